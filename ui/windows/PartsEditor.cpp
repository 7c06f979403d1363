#include "PartsEditor.h"

#include "shared/look.h"
#include "shared/partsfile.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>

namespace {

constexpr Place places[] = {
    {"PartsHint", 8, 8, 304, 56},
    {"PartsText", 8, 68, 304, 184},
    {"PartsStatus", 8, 258, 304, 26},
    {"PartsButtons", 8, 290, 304, 26},
};

// What the text reads as, in the dialog's words, within the status.
QString reading(const QString& text, const QLabel& status)
{
    const kelvane::PartsText read = partsfile::parse(text);
    return partsfile::withLinesNotRead(
        QCoreApplication::translate("PartsEditor", "Values read: %1").arg(read.parts.size()), read.wrong, status);
}

} // namespace

std::optional<QString> editParts(QWidget* parent, const QString& text)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PartsEditor"));
    dialog.setWindowTitle(QCoreApplication::translate("PartsEditor", "My parts"));
    dialog.setFont(layoutFont(false));
    dialog.setFixedSize(320, 324);
    auto* hint = named(new QLabel(QCoreApplication::translate("PartsEditor",
                                      "One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its "
                                      "tolerance, 5 % otherwise; # begins a comment."),
                           &dialog),
        "PartsHint");
    hint->setWordWrap(true);
    auto* edit = named(new QPlainTextEdit(text, &dialog), "PartsText");
    edit->setTabChangesFocus(true);
    edit->setAccessibleName(QCoreApplication::translate("PartsEditor", "My parts"));
    auto* status = named(new QLabel(&dialog), "PartsStatus");
    status->setWordWrap(true);
    auto* buttons
        = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog), "PartsButtons");
    placeControls(&dialog, places);
    status->setText(reading(text, *status));
    QObject::connect(edit, &QPlainTextEdit::textChanged, status, [edit, status] {
        status->setText(reading(edit->toPlainText(), *status));
        edit->setAccessibleDescription(status->text());
    });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    edit->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->toPlainText();
}
