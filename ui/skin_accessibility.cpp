// SPDX-License-Identifier: MIT
#include "ui/skin_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QDialog>
#include <cstring>

#include "ui/controls/skin_image.h"
#include "ui/controls/skin_label.h"

namespace {

constexpr struct {
    const char* control;
    const char16_t* name;
} kAccessibleNames[] = {
    {"Drive1", u"Диск"},
    {"Dir1", u"Папки"},
    {"File1", u"Файлы"},
    {"lstPL", u"Список воспроизведения"},
    {"cmbPLType", u"Тип списка"},
    {"txtPLName", u"Название списка"},
    {"imgMinimize", u"Свернуть"},
    {"imgClose", u"Закрыть"},
    {"txtMPPath", u"Путь к Media Player"},
    {"txtWAPath", u"Путь к WinAmp"},
    {"txtOthPlPath", u"Путь к другому проигрывателю"},
};

// A skinned label or picture that runs a command on a click: a push button whose Press clicks it.
class SkinButtonAccessible : public QAccessibleWidget {
public:
    explicit SkinButtonAccessible(SkinLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const auto* label = static_cast<const SkinLabel*>(widget());
        return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
    }

    QStringList actionNames() const override { return {pressAction()}; }

    // The command runs after the call returns: an assistive program waits for the answer, and a
    // command may open a modal window that waits for the user.
    void doAction(const QString& actionName) override {
        if (actionName != pressAction() || !widget()->isEnabled()) return;
        auto* label = static_cast<SkinLabel*>(widget());
        QMetaObject::invokeMethod(
            label, [label] { emit label->clicked(); }, Qt::QueuedConnection);
    }
};

// A drop-down list named by its accessible name, its chosen item as value. Qt's own interface
// names a drop-down list on Linux by the chosen item and leaves its name to a label beside it,
// which the skin doesn't have.
class NamedComboBoxAccessible : public QAccessibleWidget {
public:
    explicit NamedComboBoxAccessible(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && !widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        if (t == QAccessible::Name || t == QAccessible::Value)
            return static_cast<const QComboBox*>(widget())->currentText();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {showMenuAction()}; }

    void doAction(const QString& actionName) override {
        if (actionName == showMenuAction()) static_cast<QComboBox*>(widget())->showPopup();
    }
};

// Whether a screen reader should find this child of a skinned window.
bool IsPresented(const QWidget* window, const QWidget* child) {
    if (child->isWindow() || !child->isVisibleTo(window)) return false;
    if (!window->rect().intersects(child->geometry())) return false;  // a holder image
    return !qobject_cast<const SkinImage*>(child) || !child->accessibleName().isEmpty();
}

// A skinned window whose children are only those it presents.
class SkinnedWindowAccessible : public QAccessibleWidget {
public:
    explicit SkinnedWindowAccessible(QWidget* window)
        : QAccessibleWidget(
              window, qobject_cast<QDialog*>(window) ? QAccessible::Dialog : QAccessible::Window) {}

    int childCount() const override { return int(presented().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = presented();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children.at(index))
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() && child->object()->isWidgetType()
                   ? int(presented().indexOf(static_cast<QWidget*>(child->object())))
                   : -1;
    }

private:
    QList<QWidget*> presented() const {
        QList<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && IsPresented(widget(), child)) children.append(child);
        }
        return children;
    }
};

// Called with each class name of an object from the most derived up; the first answer wins.
QAccessibleInterface* SkinAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1StringView(CommandLabel::staticMetaObject.className()))
        return new SkinButtonAccessible(static_cast<CommandLabel*>(object));
    if (className == QLatin1StringView(SkinImage::staticMetaObject.className())) {
        auto* image = static_cast<SkinImage*>(object);
        if (!image->accessibleName().isEmpty()) return new SkinButtonAccessible(image);
    }
    // A drop-down list may be asked for as it is filled, before it has its name.
    if (className == QLatin1StringView(QComboBox::staticMetaObject.className())) {
        auto* box = static_cast<QComboBox*>(object);
        if (box->window()->property(kSkinnedWindowProperty).toBool())
            return new NamedComboBoxAccessible(box);
    }
    if (object->isWidgetType() && object->property(kSkinnedWindowProperty).toBool() &&
        className == QLatin1StringView(object->metaObject()->className()))
        return new SkinnedWindowAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

void InstallSkinAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(SkinAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QString AccessibleNameOf(const char* controlName) {
    for (const auto& entry : kAccessibleNames)
        if (std::strcmp(entry.control, controlName) == 0) return QString::fromUtf16(entry.name);
    return {};
}
