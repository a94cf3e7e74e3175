// TSocketKeeper: deletes the sockets a link has let go only when no handler
// of theirs is running.  A socket's signal handler may run an event loop
// (directly or through whatever it calls); a socket deleted by that loop
// would be returned into once the handler ends.  Every handler of the
// link's sockets runs inside a Scope; a socket retired meanwhile is deleted
// (deleteLater) when the outermost scope ends, on the event loop that ran
// the handler.
#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

namespace vorn {

class TSocketKeeper {
public:
    class Scope {
    public:
        explicit Scope(TSocketKeeper& keeper) : keeper_(keeper) { ++keeper_.depth_; }
        ~Scope()
        {
            if (--keeper_.depth_ == 0)
                keeper_.Release();
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        TSocketKeeper& keeper_;
    };

    // The socket is no longer used (its signals are disconnected and it is
    // aborted): deleted now if no handler runs, else once the last ends.
    void Retire(QObject* socket)
    {
        if (depth_ > 0)
            retired_.emplace_back(socket);
        else
            socket->deleteLater();
    }
    bool InHandler() const { return depth_ > 0; }

private:
    void Release()
    {
        std::vector<QPointer<QObject>> retired;
        retired.swap(retired_);
        for (const QPointer<QObject>& s : retired)
            if (s)
                s->deleteLater();
    }

    int depth_ = 0;
    std::vector<QPointer<QObject>> retired_;
};

} // namespace vorn
