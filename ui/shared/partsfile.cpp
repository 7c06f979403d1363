#include "partsfile.h"

#include "wording.h"

#include <kelvane/tolerance.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

namespace partsfile {

namespace {

QByteArray bytes()
{
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool fits(const QLabel& room, const QString& text)
{
    const QRect need
        = QFontMetrics(room.font())
              .boundingRect(QRect(0, 0, room.width(), QWIDGETSIZE_MAX), room.wordWrap() ? Qt::TextWordWrap : 0, text);
    return need.width() <= room.width() && need.height() <= room.height();
}

} // namespace

QString path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/kelvane/parts.txt");
}

QString text() { return QString::fromUtf8(bytes()); }

// The bytes as they are: a line that is not UTF-8 is told as such.
kelvane::PartsText read() { return kelvane::readParts(bytes().toStdString(), kelvane::listTolerance); }

kelvane::PartsText parse(const QString& text) { return kelvane::readParts(text.toStdString(), kelvane::listTolerance); }

void save(const QString& text)
{
    QDir().mkpath(QFileInfo(path()).path());
    QSaveFile out(path());
    if (out.open(QIODevice::WriteOnly)) {
        out.write(text.toUtf8());
        out.commit();
    }
}

namespace {

// The lines not read as their number and reason, in valuesContext, say them.
template <typename Problem, std::size_t N>
QString withLines(
    const QString& text, const std::vector<Problem>& wrong, const char* const (&reasons)[N], const QLabel& room)
{
    if (wrong.empty())
        return text;
    auto shown = [&text](QStringList lines, bool more) {
        if (more)
            lines << QStringLiteral("\u2026");
        const QString notRead
            = QCoreApplication::translate("PartsFile", "Not read: %1").arg(lines.join(QStringLiteral("; ")));
        return text.isEmpty() ? notRead : text + QLatin1Char('\n') + notRead;
    };
    // A line more while they fit: never more than room holds, however many there are.
    QString fitting = shown({}, true);
    if (!fits(room, fitting))
        return text;
    QStringList lines;
    for (const Problem& p : wrong) {
        lines << QCoreApplication::translate("PartsFile", "line %1: %2")
                     .arg(p.line)
                     .arg(QCoreApplication::translate(wording::valuesContext, wording::textOf(reasons, p.error)));
        const QString more = shown(lines, static_cast<std::size_t>(lines.size()) < wrong.size());
        if (!fits(room, more))
            break;
        fitting = more;
    }
    return fitting;
}

} // namespace

QString withLinesNotRead(const QString& text, const std::vector<kelvane::PartsLineProblem>& wrong, const QLabel& room)
{
    return withLines(text, wrong, wording::partsLineErrors, room);
}

QString withLinesNotRead(const QString& text, const std::vector<kelvane::BomLineProblem>& wrong, const QLabel& room)
{
    return withLines(text, wrong, wording::bomLineErrors, room);
}

} // namespace partsfile
