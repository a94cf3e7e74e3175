#include "shell/LinkMessages.h"

#include "shell/MainCtl.h"

namespace vorn {

void TLinkMessages::Flush(TPrompt& prompt)
{
    if (pending_.empty() || posted_)
        return;
    if (!Post) {
        Show(prompt);
        return;
    }
    posted_ = true;
    Post([this, &prompt] {
        posted_ = false;
        Show(prompt);
    });
}

void TLinkMessages::Show(TPrompt& prompt)
{
    // A message added while one is shown waits for its own turn.
    while (!pending_.empty()) {
        const std::string text = pending_.front();
        pending_.erase(pending_.begin());
        prompt.Message(text);
    }
}

} // namespace vorn
