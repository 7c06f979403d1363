// My parts: the person's parts list, a text file in their configuration
// folder. The finder and the labels window take it from here whenever they
// need it, read and parsed in one call into the parts and the lines not
// read; the parts editor's text is parsed the same way as it is typed, and
// an edited list is saved here.
#pragma once

#include <kelvane/bom.h>
#include <kelvane/parts.h>

#include <QString>

#include <vector>

class QLabel;

namespace partsfile {

// Where the list is kept.
QString path();

// The list's text for editing; empty while there is no file.
QString text();

// The file read and parsed: its parts, each without a tolerance of its own
// at the list's default, and the lines not read.
kelvane::PartsText read();

// A text parsed as the file is.
kelvane::PartsText parse(const QString& text);

// Writes the list whole or not at all, making its folder where needed.
void save(const QString& text);

// text, and below it the lines not read, each with its reason, as many as
// fit in room; an ellipsis stands for the rest. Of a parts list or of a bill of materials.
QString withLinesNotRead(const QString& text, const std::vector<kelvane::PartsLineProblem>& wrong, const QLabel& room);
QString withLinesNotRead(const QString& text, const std::vector<kelvane::BomLineProblem>& wrong, const QLabel& room);

} // namespace partsfile
