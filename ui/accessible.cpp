#include "accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace {

class ReadoutInterface : public QAccessibleWidget {
public:
    explicit ReadoutInterface(ValueReadout* w)
        : QAccessibleWidget(w, QAccessible::StatusBar)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<ValueReadout*>(widget())->phrase() : QAccessibleWidget::text(t);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
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
    if (className == QLatin1String("QComboBox")) {
        auto* box = static_cast<QComboBox*>(object);
        if (!box->accessibleName().isEmpty())
            return new NamedComboBox(box);
    }
    return nullptr;
}

} // namespace

void installAccessibility() { QAccessible::installFactory(factory); }

void ValueReadout::setPhrase(const QString& phrase)
{
    if (phrase == phrase_)
        return;
    phrase_ = phrase;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}
