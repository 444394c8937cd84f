#pragma once
// What a command tells the user: the core returns these as values; the GUI
// shows them in message boxes, the command-line tool on stdout or stderr.
#include <string>

namespace base {

enum class Icon { None, Information, Error, Question, Warning };

// One message box: caption and text, each with its language text number
// (0 where the text is not a language text, such as a file name).
struct Message {
    std::string caption;
    std::string text;
    Icon icon = Icon::None;
    int captionId = 0;
    int textId = 0;
};

// The outcome of a command that may fail: ok, and the message it shows
// (a success can have a message too, such as "Saved as ...").
struct Outcome {
    bool ok = true;
    Message message;
    // A second line the user is told: on success a warning (what was left
    // out), on failure what had been done before it. Empty when there is none.
    std::string note;
};

inline Outcome failure(std::string caption, int captionId, std::string text, int textId = 0) {
    return {false, {std::move(caption), std::move(text), Icon::Error, captionId, textId}, {}};
}

inline Outcome success(std::string caption, int captionId, std::string text, int textId = 0) {
    return {true, {std::move(caption), std::move(text), Icon::Information, captionId, textId}, {}};
}

}  // namespace base
