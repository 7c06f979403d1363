// The person's parts list as plain text, edited in a small modal dialog that
// tells as it is typed how many values it reads and which lines hold
// something else.
#pragma once

#include <QString>

#include <optional>

class QWidget;

// The edited text, or nullopt when the person cancels.
std::optional<QString> editParts(QWidget* parent, const QString& text);
