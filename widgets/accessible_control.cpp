// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/accessible_control.h"

#include "widgets/hot_spot.h"

#include <QAccessibleWidget>
#include <QDialog>

namespace zorvik {

namespace {

class AccessibleHotSpot : public QAccessibleWidget {
public:
    explicit AccessibleHotSpot(HotSpot* spot) : QAccessibleWidget(spot) {}

    QAccessible::Role role() const override {
        if (spot().TakesClicks()) {
            return QAccessible::Button;
        }
        return spot().property("text").isValid() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    // A name label without a name of its own is known by the name it shows.
    QString text(QAccessible::Text kind) const override {
        const QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            return spot().property("text").toString();
        }
        return text;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (spot().TakesClicks()) {
            names.prepend(pressAction());
        }
        return names;
    }

    // Queued: a click may open a modal window, whose event loop would hold
    // back the reader's answer until the window closed.
    void doAction(const QString& name) override {
        if (name == pressAction() && spot().TakesClicks()) {
            QMetaObject::invokeMethod(&spot(), &HotSpot::clicked, Qt::QueuedConnection);
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    HotSpot& spot() const { return *static_cast<HotSpot*>(widget()); }
};

// The game's own windows that are no dialog (the main window) are windows,
// not a filler inside one.
QAccessibleInterface* AccessibleOf(const QString& className, QObject* object) {
    if (auto* spot = qobject_cast<HotSpot*>(object)) {
        return new AccessibleHotSpot(spot);
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget != nullptr && widget->isWindow() && qobject_cast<QDialog*>(widget) == nullptr &&
        className.startsWith(QLatin1String("zorvik::"))) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void InstallAccessibleControls() {
    QAccessible::installFactory(&AccessibleOf);
}

} // namespace zorvik
