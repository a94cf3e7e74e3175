// TLinkMessages: the message boxes of a game link, shown from the event
// loop once the handler of the socket or serial port at hand has returned.
// A message box runs an event loop of its own; run inside a port's or
// socket's handler, it would let that port's events (a close, more input)
// run inside the handler that is still using it.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vorn {

class TPrompt;

class TLinkMessages {
public:
    // Runs a function from the event loop after the handler at hand; the
    // link's window sets it.  Unset (headless), Flush shows at once.
    std::function<void(std::function<void()>)> Post;

    // A message to show.
    void Add(const std::string& text) { pending_.push_back(text); }
    // The messages added so far are shown: handed to the event loop, or at
    // once when nothing posts.
    void Flush(TPrompt& prompt);
    bool Waiting() const { return !pending_.empty(); }

private:
    void Show(TPrompt& prompt);

    std::vector<std::string> pending_;
    bool posted_ = false;
};

} // namespace vorn
