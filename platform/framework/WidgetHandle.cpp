#include "WidgetHandle.h"

#include "ModalStack.h"
#include "Wnd.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <ctime>
#include <utility>
#include <vector>

namespace {
constexpr const char* kIdProperty = "plovrinControlId";
constexpr const char* kClassProperty = "plovrinControlClass";

} // namespace

int ControlIdOf(const QWidget* widget) {
    QVariant id = widget->property(kIdProperty);
    return id.isValid() ? id.toInt() : 0;
}

const char* ControlClassOf(const QWidget* widget) {
    QVariant cls = widget->property(kClassProperty);
    return cls.isValid() ? static_cast<const char*>(cls.value<void*>()) : "";
}

void SetControlIdentity(QWidget* widget, int id, const char* className) {
    widget->setProperty(kIdProperty, id);
    widget->setProperty(kClassProperty,
                        QVariant::fromValue(static_cast<void*>(const_cast<char*>(className))));
}

namespace {
std::vector<std::pair<QPointer<QObject>, std::function<void()>>>& PendingUpdates() {
    static std::vector<std::pair<QPointer<QObject>, std::function<void()>>> updates;
    return updates;
}

} // namespace

void AfxRunPendingViewUpdates() {
    auto updates = std::move(PendingUpdates());
    PendingUpdates().clear();
    for (auto& [context, update] : updates) {
        if (context) {
            update();
        }
    }
}

void AfxBeforeNextPaint(QObject* context, std::function<void()> update) {
    if (PendingUpdates().empty()) {
        QTimer::singleShot(0, qApp, AfxRunPendingViewUpdates);
    }
    PendingUpdates().emplace_back(context, std::move(update));
}

void AfxPumpPaintMessages() {
    // Asked for at every status change, so the clock read must be cheap: the coarse clock's few
    // milliseconds of resolution are plenty for a paint rate of 20 a second.
    constexpr std::int64_t kIntervalNs = 50'000'000;
    static std::int64_t lastPump = 0;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    std::int64_t nanoseconds = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
    if (nanoseconds - lastPump < kIntervalNs || !ModalStack::HandlerRunning()) {
        return;
    }
    lastPump = nanoseconds;
    AfxRunPendingViewUpdates();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
