#include "soundfile/riff_writer.h"

#include "soundfile/byte_order.h"

SRiffWriter::SRiffWriter(SBinaryFile& file, const char (&formType)[5]) : file_(file) {
    file_.Write("RIFF____", 8);
    file_.Write(formType, 4);
}

void SRiffWriter::WriteLE32(uint32_t value) {
    unsigned char bytes[4];
    StoreLE32(bytes, value);
    file_.Write(bytes, 4);
}

void SRiffWriter::WriteLE16(uint16_t value) {
    unsigned char bytes[2];
    StoreLE16(bytes, value);
    file_.Write(bytes, 2);
}

void SRiffWriter::Chunk(const char (&id)[5], const void* payload, uint32_t size) {
    file_.Write(id, 4);
    WriteLE32(size);
    file_.Write(payload, size);
}

int64_t SRiffWriter::BeginChunk(const char (&id)[5]) {
    file_.Write(id, 4);
    int64_t placeholder = file_.Tell();
    file_.Write("____", 4);
    return placeholder;
}

void SRiffWriter::EndChunk(int64_t placeholder) {
    int64_t end = file_.Tell();
    file_.Seek(placeholder, kSeekBegin);
    WriteLE32(static_cast<uint32_t>(end - placeholder - 4));
    file_.Seek(0, kSeekEnd);
}

void SRiffWriter::Finish() {
    int64_t length = file_.GetLength();
    file_.Seek(4, kSeekBegin);
    WriteLE32(static_cast<uint32_t>(length - 8));
    file_.Seek(0, kSeekEnd);
}
