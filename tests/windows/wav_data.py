#!/usr/bin/env python3
"""Writes the samples of a RIFF WAVE file's data chunk: wav_data.py IN.wav OUT.pcm"""
import struct
import sys

data = open(sys.argv[1], "rb").read()
if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
    sys.exit(f"{sys.argv[1]}: not a WAVE file")
at = 12
while at + 8 <= len(data):
    tag, size = data[at:at + 4], struct.unpack("<I", data[at + 4:at + 8])[0]
    if tag == b"data":
        open(sys.argv[2], "wb").write(data[at + 8:at + 8 + size])
        break
    at += 8 + size + (size & 1)
else:
    sys.exit(f"{sys.argv[1]}: no data chunk")
