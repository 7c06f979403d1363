#include "accessible.h"

#include <kelvane/written.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace {

// Each unit's words, for one and for any other number, in the order of
// kelvane::unitNames: [resistor][prefix].
struct UnitWords {
    const char* one;
    const char* many;
};
constexpr UnitWords spokenUnits[2][kelvane::largestPrefix + 1] = {
    {{QT_TRANSLATE_NOOP("Speech", "%1 picofarad"), QT_TRANSLATE_NOOP("Speech", "%1 picofarads")},
        {QT_TRANSLATE_NOOP("Speech", "%1 nanofarad"), QT_TRANSLATE_NOOP("Speech", "%1 nanofarads")},
        {QT_TRANSLATE_NOOP("Speech", "%1 microfarad"), QT_TRANSLATE_NOOP("Speech", "%1 microfarads")}},
    {{QT_TRANSLATE_NOOP("Speech", "%1 ohm"), QT_TRANSLATE_NOOP("Speech", "%1 ohms")},
        {QT_TRANSLATE_NOOP("Speech", "%1 kilohm"), QT_TRANSLATE_NOOP("Speech", "%1 kilohms")},
        {QT_TRANSLATE_NOOP("Speech", "%1 megohm"), QT_TRANSLATE_NOOP("Speech", "%1 megohms")}},
};

class ReadoutInterface : public QAccessibleWidget {
public:
    explicit ReadoutInterface(ValueReadout* w)
        : QAccessibleWidget(w, QAccessible::StatusBar)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? readout()->phrase() : QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(readout()->announcer()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == readout()->announcer() ? 0 : -1;
    }

private:
    ValueReadout* readout() const { return static_cast<ValueReadout*>(widget()); }
};

// Inside a status object, a screen reader speaks a notification by its name
// alone, without its role.
class AnnouncementInterface : public QAccessibleWidget {
public:
    explicit AnnouncementInterface(QWidget* w)
        : QAccessibleWidget(w, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<ValueReadout*>(widget()->parentWidget())->announcement()
                                      : QString();
    }
};

// On Linux Qt names a combo box by its text; ours has a name of its own and
// tells its text as its value.
class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox* w)
        : QAccessibleWidget(w, QAccessible::ComboBox)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<QComboBox*>(widget())->currentText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("ValueReadout"))
        return new ReadoutInterface(static_cast<ValueReadout*>(object));
    if (object->objectName() == QLatin1String("announcer") && qobject_cast<ValueReadout*>(object->parent()))
        return new AnnouncementInterface(static_cast<QWidget*>(object));
    if (className == QLatin1String("QComboBox")) {
        auto* box = static_cast<QComboBox*>(object);
        if (!box->accessibleName().isEmpty())
            return new NamedComboBox(box);
    }
    return nullptr;
}

void relay(QAccessibleEvent* event);

void forward(QAccessibleEvent* event)
{
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(relay);
}

// Qt tells of a line edit's caret and selection before it tells of the focus
// that moved them there, and of the unselecting as the focus leaves; Orca
// then reads "Text unselected." instead of naming the box. So the focus is
// told first, and a selection that changes in a box that is not the focus
// widget (one being left, the tolerance list's text) is not told at all.
void relay(QAccessibleEvent* event)
{
    static QPointer<QObject> told; // the last object whose focus was told
    static bool toldEarly = false; // told before Qt's own word, which is then left out
    QObject* source = event->object();
    const auto type = event->type();
    if (type == QAccessible::TextSelectionChanged || type == QAccessible::TextCaretMoved) {
        if (source != QApplication::focusWidget()) {
            if (type == QAccessible::TextSelectionChanged)
                return;
        } else if (told != source) {
            QAccessibleEvent focus(source, QAccessible::Focus);
            forward(&focus);
            told = source;
            toldEarly = true;
        }
    } else if (type == QAccessible::Focus) {
        const bool again = toldEarly && told == source;
        told = source;
        toldEarly = false;
        if (again)
            return;
    }
    forward(event);
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(factory);
    QAccessible::installUpdateHandler(relay);
}

QString spokenNumber(const QString& integer, const QString& decimals)
{
    return decimals.isEmpty() ? integer
                              : QCoreApplication::translate("Speech", "%1.%2", "decimal point").arg(integer, decimals);
}

QString spokenValue(const kelvane::Display& display)
{
    const UnitWords& unit = spokenUnits[display.resistor ? 1 : 0][display.prefix];
    const QString number = spokenNumber(QString::fromStdString(display.value), QString::fromStdString(display.dec));
    return QCoreApplication::translate("Speech", number == QLatin1String("1") ? unit.one : unit.many).arg(number);
}

ValueReadout::ValueReadout(QWidget* parent)
    : QWidget(parent)
    , announcer_(new QWidget(this))
{
    // Nothing to see: it only has to be there for the screen reader.
    announcer_->setObjectName(QStringLiteral("announcer"));
    announcer_->setGeometry(0, 0, 0, 0);
}

void ValueReadout::setPhrase(const QString& phrase)
{
    if (phrase == phrase_)
        return;
    phrase_ = phrase;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void ValueReadout::announce(const QString& text)
{
    pending_ = text;
    QTimer::singleShot(isActiveWindow() ? 0 : 500, this, &ValueReadout::sayPending);
}

void ValueReadout::changeEvent(QEvent* event)
{
    // After the activation has told where the focus is.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, &ValueReadout::sayPending);
    QWidget::changeEvent(event);
}

void ValueReadout::sayPending()
{
    if (pending_.isEmpty())
        return;
    announcement_ = pending_;
    pending_.clear();
    QAccessibleEvent renamed(announcer_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(announcer_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
