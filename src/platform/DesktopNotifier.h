#pragma once

#include <QString>

#include <functional>

// Desktop notifications. Nothing happens, silently, where the desktop shows none.
class DesktopNotifier {
public:
    virtual ~DesktopNotifier() = default;
    // Shows a notification; when `show` is given, it offers a "Show" action that calls it.
    virtual void notify(const QString& title, const QString& body, std::function<void()> show) = 0;
};
