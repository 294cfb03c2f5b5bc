#include "auditors/scripts/script_file.h"

#include <QFile>
#include <QStringDecoder>

namespace velmora::auditors {

QString DataFileProblem::text() const
{
    if (line <= 0)
        return QStringLiteral("%1: %2").arg(file, reason);
    return QStringLiteral("%1, line %2: %3").arg(file).arg(line).arg(reason);
}

QString citeKey(const QString &citation)
{
    QString key;
    key.reserve(citation.size());
    for (QChar c : citation)
        if (!c.isSpace())
            key.append(c);
    return key;
}

ScriptLine splitScriptLine(const QString &line)
{
    ScriptLine s;
    const qsizetype bar1 = line.indexOf(u'|');
    if (bar1 < 0) {
        s.question = line.trimmed();
        return s;
    }
    s.citation = line.left(bar1).trimmed();
    s.citeKey = citeKey(s.citation);
    const qsizetype bar2 = line.indexOf(u'|', bar1 + 1);
    if (bar2 < 0) {
        s.question = line.mid(bar1 + 1).trimmed();
        return s;
    }
    s.question = line.mid(bar1 + 1, bar2 - bar1 - 1).trimmed();
    const qsizetype bar3 = line.indexOf(u'|', bar2 + 1);
    if (bar3 < 0) {
        s.noAction = line.mid(bar2 + 1).trimmed();
        return s;
    }
    s.noAction = line.mid(bar2 + 1, bar3 - bar2 - 1).trimmed();
    s.yesAction = line.mid(bar3 + 1).trimmed();
    return s;
}

namespace {

// A label action: NEXT, STOP, NO_SUB, NO_PRIM[@citation], NO_PRIM_LIMITED,
// ERROR*message@citation, PRIM@citation@picture@NEXT|STOP, SUB@... alike.
QString labelActionProblem(const QString &a)
{
    if (a.isEmpty())
        return QStringLiteral("an answer has no action");
    if (a == u"NEXT" || a == u"STOP" || a == u"NO_SUB" || a == u"NO_PRIM" || a == u"NO_PRIM_LIMITED")
        return {};
    if (a.startsWith(u"NO_PRIM@"))
        return a.size() > 8 ? QString() : QStringLiteral("\"NO_PRIM@\" has no citation");
    if (a.startsWith(u"ERROR"))
        return a.contains(u'*') ? QString() : QStringLiteral("\"%1\" has no \"*\" before its message").arg(a);
    if (a.startsWith(u"PRIM@") || a.startsWith(u"SUB@")) {
        const QStringList parts = a.split(u'@');
        if (parts.size() != 4)
            return QStringLiteral("\"%1\" is not action@citation@picture@NEXT or @STOP").arg(a);
        if (parts[2].trimmed().isEmpty())
            return QStringLiteral("\"%1\" names no picture").arg(a);
        if (parts[3].trimmed() != u"NEXT" && parts[3].trimmed() != u"STOP")
            return QStringLiteral("\"%1\" ends neither in @NEXT nor in @STOP").arg(a);
        return {};
    }
    return QStringLiteral("unknown action \"%1\"").arg(a);
}

QString markingActionProblem(const QString &a)
{
    if (a.isEmpty())
        return QStringLiteral("an answer has no action");
    if (a == u"NEXT" || a == u"STOP")
        return {};
    if (!a.contains(u"@GIF:") && !a.contains(u"@TEXT:"))
        return QStringLiteral("unknown action \"%1\"").arg(a);
    if (!a.endsWith(u"@NEXT") && !a.endsWith(u"@STOP"))
        return QStringLiteral("a marking action must end in @NEXT or @STOP");
    return {};
}

} // namespace

QString entryProblem(const QString &entry, DataFileKind kind, bool first)
{
    switch (kind) {
    case DataFileKind::HtmlLines:
        return {};
    case DataFileKind::PictureNames:
        return entry.indexOf(u'|') > 0 ? QString() : QStringLiteral("not \"picture|alternative text\"");
    case DataFileKind::HotMaterials:
        return entry.indexOf(u'=') > 0 && !entry.section(u'=', 1).trimmed().isEmpty()
                   ? QString()
                   : QStringLiteral("not \"ID=picture\"");
    case DataFileKind::LabelScript:
    case DataFileKind::MarkingScript:
        break;
    }
    if (entry.startsWith(u'#')) {
        if (kind == DataFileKind::LabelScript && first)
            return {};
        return QStringLiteral("a \"#\" line means \"exempt\" only as the first line of a division script");
    }
    if (entry.count(u'|') < 3)
        return QStringLiteral("a script line has four fields separated by \"|\"");
    const ScriptLine s = splitScriptLine(entry);
    if (s.question.isEmpty())
        return QStringLiteral("the question is empty");
    if (kind == DataFileKind::LabelScript) {
        if (s.question.startsWith(u"?DIV")) {
            QString code = s.question.mid(4).trimmed();
            if (code.endsWith(u'?'))
                code = code.left(code.indexOf(u'?')).trimmed();
            if (code.isEmpty())
                return QStringLiteral("\"?DIV\" names no hazard code");
        }
        for (const QString &a : {s.noAction, s.yesAction})
            if (QString p = labelActionProblem(a); !p.isEmpty())
                return p;
        return {};
    }
    for (const QString &raw : {s.noAction, s.yesAction}) {
        // An action that begins with "@" takes the line's citation in front.
        const QString a = raw.startsWith(u'@') ? s.citation + raw : raw;
        if (QString p = markingActionProblem(a); !p.isEmpty())
            return p;
    }
    return {};
}

DataFileLines parseDataFile(const QByteArray &bytes, const QString &fileName, DataFileKind kind)
{
    DataFileLines out;
    if (bytes.size() > maxDataFileBytes) {
        out.problems.append({fileName, 0,
                             QStringLiteral("the file is larger than %1 bytes and was not read").arg(maxDataFileBytes)});
        return out;
    }
    qsizetype start = 0;
    int lineNo = 0;
    bool firstEntry = true;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        ++lineNo;
        QByteArray raw = bytes.mid(start, end - start);
        start = end + 1;
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (lineNo == 1 && raw.startsWith("\xEF\xBB\xBF"))
            raw.remove(0, 3);
        if (raw.trimmed().isEmpty())
            continue;
        if (out.lines.size() >= maxDataFileLines) {
            out.problems.append({fileName, lineNo,
                                 QStringLiteral("more than %1 entries; the rest was not read").arg(maxDataFileLines)});
            break;
        }
        if (raw.contains('\0')) {
            out.problems.append({fileName, lineNo, QStringLiteral("the line holds a NUL byte and was left out")});
            continue;
        }
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(raw);
        if (utf8.hasError()) {
            out.problems.append({fileName, lineNo, QStringLiteral("the line is not UTF-8 text and was left out")});
            continue;
        }
        if (text.size() > maxDataLineChars) {
            out.problems.append({fileName, lineNo,
                                 QStringLiteral("the line is longer than %1 characters and was left out")
                                     .arg(maxDataLineChars)});
            continue;
        }
        if (const QString p = entryProblem(text, kind, firstEntry); !p.isEmpty())
            out.problems.append({fileName, lineNo, p});
        out.lines.append(text);
        out.fileLines.append(lineNo);
        firstEntry = false;
    }
    return out;
}

DataFileLines readDataFile(const QString &path, const QString &fileName, DataFileKind kind)
{
    if (path.isEmpty())
        return {};
    QFile f(path);
    if (!f.exists())
        return {};
    if (!f.open(QIODevice::ReadOnly)) {
        DataFileLines out;
        out.problems.append({fileName, 0, QStringLiteral("the file cannot be read: %1").arg(f.errorString())});
        return out;
    }
    // Read one byte past the bound so that an oversized file is seen as such.
    const QByteArray bytes = f.read(maxDataFileBytes + 1);
    return parseDataFile(bytes, fileName, kind);
}

} // namespace velmora::auditors
