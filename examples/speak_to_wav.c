/* Speaks a sentence into a WAV file through the C interface:
   speak_to_wav VOICE_DIR OUT.wav "Tekst do przeczytania." */
#include <stdio.h>
#include <vokrant/vokrant.h>

static void put32(FILE* f, unsigned v) {
    unsigned char b[4] = {v, v >> 8, v >> 16, v >> 24};
    fwrite(b, 1, 4, f);
}
static void put16(FILE* f, unsigned v) {
    unsigned char b[2] = {v, v >> 8};
    fwrite(b, 1, 2, f);
}

static int write_samples(const vokrant_event* event, void* user) {
    if (event->type == VOKRANT_EVENT_AUDIO)
        fwrite(event->samples, 2, event->sample_count, (FILE*)user);
    return 0;
}

int main(int argc, char** argv) {
    if (argc != 4) return fprintf(stderr, "usage: %s VOICE_DIR OUT.wav TEXT\n", argv[0]), 2;
    int status;
    vokrant* voice = vokrant_new(argv[1], NULL, &status);
    if (!voice) return fprintf(stderr, "%s\n", vokrant_last_error(NULL)), 1;
    FILE* out = fopen(argv[2], "wb");
    if (!out) return perror(argv[2]), vokrant_free(voice), 1;
    fseek(out, 44, SEEK_SET); /* the header follows once the length is known */
    status = vokrant_speak(voice, argv[3], (size_t)-1, VOKRANT_TEXT_UTF8, write_samples, out);
    if (status < 0) fprintf(stderr, "%s\n", vokrant_last_error(voice));
    unsigned bytes = (unsigned)ftell(out) - 44, rate = (unsigned)vokrant_sample_rate(voice);
    rewind(out);
    fwrite("RIFF", 1, 4, out);
    put32(out, 36 + bytes);
    fwrite("WAVEfmt ", 1, 8, out);
    put32(out, 16);
    put16(out, 1);
    put16(out, 1);
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    fwrite("data", 1, 4, out);
    put32(out, bytes);
    vokrant_free(voice);
    return fclose(out) == 0 && status >= 0 ? 0 : 1;
}
