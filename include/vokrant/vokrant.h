/* Vokrant: Polish text-to-speech, C interface.

   A handle holds one voice, its settings and one text being spoken.
   vokrant_speak synthesises on the caller's thread and hands over 16-bit
   signed mono PCM (native byte order, vokrant_sample_rate() samples per
   second) in chunks, with the marks placed between them at the exact sample
   they belong to. No call aborts the program or lets an exception escape:
   failures come back as a negative status, with a message from
   vokrant_last_error.

   Calls on one handle must not overlap, except vokrant_stop, which any
   thread may call at any time, and the setters, which the callback may call
   (they change the handle's settings for the next text, never the one being
   spoken). */
#ifndef VOKRANT_H
#define VOKRANT_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct vokrant vokrant;

/* Status of a call: 0 or positive for success, negative for an error. */
typedef enum {
    VOKRANT_OK = 0,
    VOKRANT_STOPPED = 1,         /* speaking ended early by vokrant_stop or the callback */
    VOKRANT_ERROR_ARGUMENT = -1, /* a null pointer, an unknown flag or a value out of range */
    VOKRANT_ERROR_TEXT = -2,     /* the text is not valid in its encoding */
    VOKRANT_ERROR_VOICE = -3,    /* the voice files cannot be found or read */
    VOKRANT_ERROR_SETTING = -4,  /* unknown setting name or a value it cannot take */
    VOKRANT_ERROR_BUSY = -5,     /* the handle is already speaking (a call from the callback) */
    VOKRANT_ERROR_SPEAK = -6, /* synthesis failed (e.g. a sound file a tag names is unreadable) */
    VOKRANT_ERROR_MEMORY = -7 /* out of memory */
} vokrant_status;

/* Flags of vokrant_speak. */
#define VOKRANT_TEXT_UTF8 0u   /* the text is UTF-8 (the default) */
#define VOKRANT_TEXT_CP1250 1u /* the text is Windows-1250 */
#define VOKRANT_TEXT_TAGGED                                                        \
    2u /* backslash control tags are read; without it they never are, whatever the \
          ForceTagSensitivity setting says (that setting serves Speech API hosts) */

typedef enum {
    VOKRANT_EVENT_AUDIO = 0, /* samples/sample_count hold the next piece of sound */
    VOKRANT_EVENT_WORD = 1, /* a word starts; text_offset is its byte offset in the caller's text */
    VOKRANT_EVENT_BOOKMARK = 2, /* a \Mrk=n\ tag was reached; bookmark is n */
    VOKRANT_EVENT_END = 3       /* the whole text has been delivered */
} vokrant_event_type;

typedef struct {
    vokrant_event_type type;
    const int16_t* samples;   /* AUDIO: the samples, valid only during the callback; else NULL */
    size_t sample_count;      /* AUDIO: how many samples; else 0 */
    uint64_t sample_position; /* samples delivered before this event since vokrant_speak began */
    size_t text_offset;       /* WORD: byte offset of the word in the text given to vokrant_speak */
    uint32_t bookmark;        /* BOOKMARK: the bookmark number */
} vokrant_event;

/* Receives every event in playing order; returning non-zero stops speaking (vokrant_speak then
 * returns VOKRANT_STOPPED). */
typedef int (*vokrant_callback)(const vokrant_event* event, void* user_data);

/* Typed names of the pauses (milliseconds, 0..10000). */
typedef enum {
    VOKRANT_PAUSE_SENTENCE = 0,     /* PauseInterSentence */
    VOKRANT_PAUSE_PUNCTUATION = 1,  /* PausePunctation */
    VOKRANT_PAUSE_WORD = 2,         /* PauseInterWord */
    VOKRANT_PAUSE_DOUBLE_LETTER = 3 /* PauseDoubleLetter */
} vokrant_pause;

/* Typed names of the reading switches. */
typedef enum {
    VOKRANT_SWITCH_NUMBERS = 0,
    VOKRANT_SWITCH_SEQUENCES,
    VOKRANT_SWITCH_DATES,
    VOKRANT_SWITCH_DATE_BY_SYSTEM_FORMAT,
    VOKRANT_SWITCH_TIMES,
    VOKRANT_SWITCH_COLLOQUIAL_TIME,
    VOKRANT_SWITCH_24_HOURS,
    VOKRANT_SWITCH_ABBREVIATIONS,
    VOKRANT_SWITCH_READ_PUNCTUATION,
    VOKRANT_SWITCH_READ_SEPARATORS,
    VOKRANT_SWITCH_URLS,
    VOKRANT_SWITCH_SYMBOLS,
    VOKRANT_SWITCH_FLUENT_SPEECH,
    VOKRANT_SWITCH_COLLOQUIAL_SPEECH,
    VOKRANT_SWITCH_FORCE_TAGS,
    VOKRANT_SWITCH_USER_DICTIONARY,
    VOKRANT_SWITCH_SPELL_MODE,
    VOKRANT_SWITCH_INTONATION
} vokrant_switch;

/* Lowest and highest rate in the speed scale (the pitch scale is twice it). */
#define VOKRANT_MIN_SPEED 40
#define VOKRANT_MAX_SPEED 200
#define VOKRANT_MIN_PITCH 80
#define VOKRANT_MAX_PITCH 400
#define VOKRANT_MAX_VOLUME 65535
/* Range of the voice's own pitch, in per cent of its natural pitch (100). */
#define VOKRANT_MIN_VOICE_PITCH 50
#define VOKRANT_MAX_VOICE_PITCH 200

/* Returns the library's version as "major.minor.patch"; never NULL. */
const char* vokrant_version(void);

/* Creates a handle speaking with the voice in voice_dir (NULL: the installed voice) and the
 * settings saved in settings_dir (NULL: built-in defaults, nothing read or written; "": the user's
 * settings folder), or returns NULL with *status (when not NULL) and vokrant_last_error(NULL)
 * saying why. */
vokrant* vokrant_new(const char* voice_dir, const char* settings_dir, int* status);

/* Frees the handle and everything it holds; NULL is ignored; must not be called while it speaks. */
void vokrant_free(vokrant* handle);

/* Returns the message of the last failed call on the handle (NULL handle: the last failed
 * vokrant_new of this thread), "" when none; valid until the next call on it. */
const char* vokrant_last_error(const vokrant* handle);

/* Returns a fixed English description of a status code; never NULL. */
const char* vokrant_status_text(int status);

/* Returns the sample rate of the PCM the handle delivers, or 0 for a NULL handle. */
int vokrant_sample_rate(const vokrant* handle);

/* Sets one setting by its registry value name (Speed, Pitch, Volume, PauseInterWord, ConvertDate,
 * ...; names without regard to case, yes/no as Yes/No/true/false/1/0; Speed and Pitch clamped to
 * their range as the settings program does). A new ExtDict (the user dictionary's file, relative to
 * the voice folder or absolute) is read before the next text is spoken. */
int vokrant_set(vokrant* handle, const char* name, const char* value);

/* Sets the reading rate in the speed scale, 40..200 (80 is normal); the pitch scale follows as
 * twice it. */
int vokrant_set_speed(vokrant* handle, int speed);

/* Sets the reading rate in the pitch scale, 80..400 (160 is normal); the speed scale follows as
 * half of it. */
int vokrant_set_pitch(vokrant* handle, int pitch);

/* Sets the voice's own pitch in per cent of its natural pitch, 50..200 (100 is natural), without
 * changing the rate or any duration (the setting VoicePitch). */
int vokrant_set_voice_pitch(vokrant* handle, int percent);

/* Sets the output volume, 0..65535 (65535 is full). */
int vokrant_set_volume(vokrant* handle, int volume);

/* Returns the output volume, 0..65535: the saved setting until vokrant_set_volume or
 * vokrant_set(h, "Volume", ...) changes it; VOKRANT_ERROR_ARGUMENT for a NULL handle. */
int vokrant_get_volume(const vokrant* handle);

/* Sets one pause (a vokrant_pause) to a length in milliseconds, 0..10000. */
int vokrant_set_pause(vokrant* handle, int pause, int milliseconds);

/* Turns one reading switch (a vokrant_switch) on (non-zero) or off (0). */
int vokrant_set_switch(vokrant* handle, int which, int on);

/* Speaks length bytes of text (length (size_t)-1: up to its first NUL) in the encoding the flags
 * name, calling back with every sample and mark before it returns VOKRANT_OK, VOKRANT_STOPPED or an
 * error. Every call starts from the handle's own settings: the tags of a tagged text (speed,
 * pitch, volume, spelling, ...) last until the end of that text and never change the handle;
 * \Dlg\ does nothing here. */
int vokrant_speak(vokrant* handle, const char* text, size_t length, unsigned flags,
                  vokrant_callback callback, void* user_data);

/* Asks a vokrant_speak in progress on any thread to stop; no further sound is delivered after the
 * chunk being handed over; harmless when nothing is spoken. */
void vokrant_stop(vokrant* handle);

#ifdef __cplusplus
}
#endif

#endif
