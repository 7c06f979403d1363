#include "PartsEditor.h"

#include "look.h"

#include <kelvane/parts.h>

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>

namespace {

constexpr Place places[] = {
    {"PartsHint", 8, 8, 304, 56},
    {"PartsText", 8, 68, 304, 184},
    {"PartsStatus", 8, 258, 304, 26},
    {"PartsButtons", 8, 290, 304, 26},
};

// What the text reads as, in the dialog's words.
QString reading(const QString& text)
{
    const kelvane::PartsText read = kelvane::readParts(text.toStdString(), 0.05);
    const QString count = QString::number(read.parts.size());
    if (read.wrong.empty())
        return QCoreApplication::translate("TFinder", "Values read: %1").arg(count);
    QStringList lines;
    for (std::size_t line : read.wrong)
        lines << QString::number(line);
    return QCoreApplication::translate("TFinder", "Values read: %1. Not read: line %2")
        .arg(count, lines.join(QStringLiteral(", ")));
}

} // namespace

std::optional<QString> editParts(QWidget* parent, const QString& text)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PartsEditor"));
    dialog.setWindowTitle(QCoreApplication::translate("TFinder", "My parts"));
    dialog.setFont(layoutFont(false));
    dialog.setFixedSize(320, 324);
    auto* hint = named(new QLabel(QCoreApplication::translate("TFinder",
                                      "One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its "
                                      "tolerance, 5 % otherwise; # begins a comment."),
                           &dialog),
        "PartsHint");
    hint->setWordWrap(true);
    auto* edit = named(new QPlainTextEdit(text, &dialog), "PartsText");
    edit->setTabChangesFocus(true);
    edit->setAccessibleName(QCoreApplication::translate("TFinder", "My parts"));
    auto* status = named(new QLabel(reading(text), &dialog), "PartsStatus");
    status->setWordWrap(true);
    auto* buttons
        = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog), "PartsButtons");
    placeControls(&dialog, places);
    QObject::connect(edit, &QPlainTextEdit::textChanged, status, [edit, status] {
        status->setText(reading(edit->toPlainText()));
        edit->setAccessibleDescription(status->text());
    });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    edit->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->toPlainText();
}
