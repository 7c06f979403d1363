#include "direction.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QString>

QString leftToRight(const QString& run)
{
    if (!QGuiApplication::isRightToLeft() || run.isEmpty())
        return run;
    return QChar(0x2066) + run + QChar(0x2069);
}

QString valuesLeftToRight(const QString& text)
{
    if (!QGuiApplication::isRightToLeft())
        return text;
    // A number with its letters, decimals and unit: "990M", "4,7 Kohm", "±5 %".
    static const QRegularExpression value(
        QStringLiteral("([\\x{B1}\\x{D7}]?[0-9][0-9A-Za-z]*(,[0-9]+)?( ?(%|(ohm|Kohm|Mohm|pF|nF|\\x{B5}F|V)\\b))?)"));
    QString isolated = text;
    isolated.replace(value, QStringLiteral("\u2066\\1\u2069"));
    return isolated;
}

QString inWindowDirection(const QString& text)
{
    return QGuiApplication::isRightToLeft() && !text.isEmpty() ? QChar(0x200F) + text : text; // RLM
}

QString withoutDirectionMarks(QString text)
{
    // The marks LRM, RLM, ALM, the embeddings and overrides, and the isolates.
    static const QRegularExpression marks(
        QStringLiteral("[\\x{200E}\\x{200F}\\x{061C}\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}]"));
    return text.remove(marks);
}

void copyWithoutDirectionMarks()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    // Another program's copy is left as it is. A platform with no other
    // programs (offscreen) keeps the clipboard in the program and tells of no owner.
    const bool alone = QGuiApplication::platformName() == QLatin1String("offscreen")
        || QGuiApplication::platformName() == QLatin1String("minimal");
    QObject::connect(clipboard, &QClipboard::changed, clipboard, [clipboard, alone](QClipboard::Mode mode) {
        const bool ours = mode == QClipboard::Selection ? clipboard->ownsSelection() : clipboard->ownsClipboard();
        if (!ours && !alone)
            return;
        const QString text = clipboard->text(mode);
        const QString plain = withoutDirectionMarks(text);
        if (plain != text) // set again, it changes once more, now with nothing to strip
            clipboard->setText(plain, mode);
    });
}
