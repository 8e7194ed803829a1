// Going on after a pause. speech-dispatcher resumes a paused message by
// sending it again from the last of its own marks ("__spd_N") that the
// module reported, with those marks stripped and numbered anew, after a
// "<speak>"; from none, it sends the whole message. The module pauses between
// two words, reports the last server mark it passed, and, when the resumed
// text is the one it expects, skips the words it had already spoken, so
// nothing is lost or said twice.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The prefix of speech-dispatcher's own marks.
inline constexpr std::string_view kServerMarkPrefix = "__spd_";
// The mark reported when a pause comes before any server mark: the server
// reads its number, -1, as "from the start".
inline constexpr std::string_view kBeforeFirstServerMark = "__spd_-1";

// The text without the server's marks, as the server strips them.
std::string WithoutServerMarks(std::string_view ssml);

// Where reading goes on after the server's mark `mark` in `ssml`: just past
// it (0 for kBeforeFirstServerMark); npos when `ssml` has no such mark.
size_t AfterServerMark(std::string_view ssml, std::string_view mark);

// What the server sends, server marks stripped, to resume `ssml` after its
// mark `mark` (kBeforeFirstServerMark: from the start); "" when `ssml` has no
// such mark.
std::string ResumedText(std::string_view ssml, std::string_view mark);

// The server's resumed text lacks the elements opened before its mark (a
// say-as spelling, a prosody): the module reads it in the context that the
// paused message had there.
struct SPausePoint {
    std::string message;      // the paused message
    size_t resumeAt = 0;      // where in it the resumed text begins
    std::string resumedText;  // what the resumed message reads as, without server marks
    size_t wordsSpoken = 0;   // words of it already spoken before the pause
};
