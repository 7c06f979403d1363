// The person's parts list as plain text, edited in a small modal dialog that
// tells as it is typed how many values it reads and which lines hold
// something else.
#pragma once

#include <kelvane/parts.h>

#include <QString>

#include <optional>
#include <vector>

class QLabel;
class QWidget;

// The edited text, or nullopt when the person cancels.
std::optional<QString> editParts(QWidget* parent, const QString& text);

// text, and below it the lines of a parts list not read, each with its
// reason, as many as fit in room; an ellipsis stands for the rest.
QString withLinesNotRead(const QString& text, const std::vector<kelvane::PartsLineProblem>& wrong, const QLabel& room);
