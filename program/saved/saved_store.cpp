#include "saved/saved_store.h"

#include "dravlen.h"
#include "frontend/file_io.h"
#include "saved/saved_list.h"
#include "saved/truck_id_dialog.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace velmora {

namespace {

QString title() { return QString::fromLatin1(kProductTitle); }

QByteArray localPath(const QString &path) { return QFile::encodeName(path); }

// The truckload image of a file, or nothing when it cannot be read.
std::optional<QByteArray> readWhole(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace

int copyFileAtomically(const QString &source, const QString &target)
{
    const std::optional<QByteArray> bytes = readWhole(source);
    if (!bytes)
        return EIO;
    return frontend::replaceFileAtomically(QFile::encodeName(target).toStdString(),
                                           std::string_view(bytes->constData(), static_cast<size_t>(bytes->size())));
}

QString unusualCharactersText()
{
    return title() + QStringLiteral(" was unable to save your truckload. Please"
                                    " make sure that there aren't any unusual characters in the name"
                                    " of the truckload. If you are still unable to save your truckload"
                                    " contact your system administrator.");
}

QString overwriteQuestion(const QString &name)
{
    return QStringLiteral("Are you sure that you want to overwrite ") + name +
           QStringLiteral(" with the current truckload?");
}

bool isReadOnlyFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() &&
           !(info.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
}

QString saveFailureText(int errnum, bool existed)
{
    const QString head = title() + QStringLiteral(" was unable to save your truckload. ");
    if (existed && errnum != ENOSPC && errnum != EDQUOT)
        return title() + QStringLiteral(" was unable to save your truckload. Please"
                                        " make sure that there aren't any unusual characters in the name"
                                        " of the truckload. If you are still unable to save your truckload"
                                        " contact your System Administrator or Help Desk.");
    // Creation errors, by the system's error number.
    switch (errnum) {
    case ENOENT:
    case ENOTDIR:
        return head + QStringLiteral("Cannot find the path specified.");
    case EACCES:
    case EPERM:
    case EROFS:
        return head + QStringLiteral("File access was denied.");
    case EHOSTUNREACH:
    case ENETUNREACH:
        return head + QStringLiteral("The network path was not found.");
    case ENOSPC:
    case EDQUOT:
        return head + QStringLiteral("There is not enough space on the disk.");
    case EINVAL:
        return head + QStringLiteral("The specified path is invalid.");
    case ENAMETOOLONG:
        return head + QStringLiteral("The filename is too long.");
    default:
        return head + QStringLiteral("Error Code: ") + QString::number(errnum);
    }
}

SavedStore::SavedStore(Engine *engine, Prompts &prompts, const Settings &settings)
    : engine_(engine), prompts_(prompts), settings_(settings)
{
}

Load *SavedStore::load() const { return GetLoad_Engine(engine_); }

void SavedStore::setName(const QString &name)
{
    name_ = name;
    if (nameChanged)
        nameChanged();
}

QString SavedStore::savePath() const { return QString::fromStdString(withTrailingSeparator(settings_.savePath)); }

QString SavedStore::pathFor(const QString &name) const
{
    return savePath() + name + QLatin1String(kTruckloadExtension);
}

QString SavedStore::filePath() const
{
    if (file_.isEmpty())
        return pathFor(name_);
    const QFileInfo file(file_);
    if (savedRowName(file.fileName()) == name_)
        return file_;
    return file.absolutePath() + QLatin1Char('/') + name_ + QLatin1String(kTruckloadExtension);
}

bool SavedStore::writeTruckloadFile(const QString &path)
{
    const QFileInfo info(path);
    const bool existed = info.exists();
    if (existed && (isReadOnlyFile(path) || !info.isWritable())) {
        prompts_.error(title() + QStringLiteral(" was unable to save your truckload. ") +
                       QStringLiteral("This file is read-only."));
        return false;
    }
    // The engine writes a temporary file beside the target and renames it
    // over the target, so a failed write leaves the previous file intact.
    // Temporary files that killed saves left in that folder go first.
    frontend::removeStaleTemporaries(QFile::encodeName(info.absolutePath()).toStdString());
    errno = 0;
    if (Save_Load(load(), localPath(path).constData()))
        return true;
    prompts_.error(saveFailureText(errno, existed));
    return false;
}

bool SavedStore::saveAs()
{
    QString stem = name_;
    if (stem.isEmpty() && settings_.enableDefaultID)
        stem = dateTimeStampId(QDateTime::currentDateTime());
    const QString proposed = QFileInfo(filePath()).absolutePath() + QLatin1Char('/') + stem +
                             QLatin1String(kTruckloadExtension);
    const std::optional<QString> chosen = askSavePath ? askSavePath(proposed) : std::nullopt;
    if (!chosen || chosen->isEmpty())
        return false;
    // The truck ID is the file's name without its ".vlm" (in any case); a
    // name typed without the extension gets it.
    QString path = *chosen;
    if (!path.endsWith(QLatin1String(kTruckloadExtension), Qt::CaseInsensitive))
        path += QLatin1String(kTruckloadExtension);
    const QFileInfo target(path);
    const QString folder = target.absolutePath() + QLatin1Char('/');
    const QString name = savedRowName(target.fileName());
    if (const QString problem = truckIdProblem(folder, name); !problem.isEmpty()) {
        prompts_.error(problem);
        return false;
    }
    path = folder + target.fileName();
    if (QFileInfo::exists(path) &&
        prompts_.show(PromptType::Confirmation, overwriteQuestion(name), PromptButtons::YesNo) != PromptAnswer::Yes)
        return false;

    Load *l = load();
    SetName_Load(l, localPath(path).constData());
    SetValue_Vehicle(l, "Saved_Version", (QStringLiteral("\"") + kProgramVersion + QStringLiteral("\"")).toLatin1().constData());
    SetValue_Vehicle(l, "Saved_Edition", kSavedEdition);

    uint32_t size = 0;
    void *image = Serialize_Load(l, &size);
    if (image)
        qv_free(image);
    if (!image || size == 0) {
        prompts_.error(unusualCharactersText());
        return false;
    }
    if (!writeTruckloadFile(path))
        return false;
    file_ = path;
    markDirty(false);
    setName(name);
    if (status)
        status(QStringLiteral("Saved the truckload \"") + name_ + QStringLiteral("\""));
    if (savedFilesChanged)
        savedFilesChanged();
    return true;
}

bool SavedStore::enterTruckId()
{
    const std::optional<QString> chosen = askTruckId ? askTruckId(name_, false) : std::nullopt;
    if (!chosen)
        return false;
    const bool changed = *chosen != name_;
    setName(*chosen);
    SetName_Load(load(), name_.toUtf8().constData());
    if (changed)
        markDirty(true);
    return true;
}

bool SavedStore::offerToSave()
{
    if (!dirty())
        return true;
    switch (prompts_.show(PromptType::Confirmation,
                          QStringLiteral("Do you want to save the changes made to the current truckload?"),
                          PromptButtons::SaveDiscardCancel)) {
    case PromptAnswer::No:   // Discard
        return true;
    case PromptAnswer::Yes:
        // Save, and then a cancelled or failed save keeps the truckload: it
        // is never discarded without the user saying Discard.
        return save();
    default:   // Cancel or Escape: the truckload stays as it is
        return false;
    }
}

bool SavedStore::save()
{
    if (name_.isEmpty())
        return saveAs();
    const QString path = filePath();
    Load *l = load();
    SetName_Load(l, localPath(path).constData());
    SetValue_Vehicle(l, "Saved_Version", (QStringLiteral("\"") + kProgramVersion + QStringLiteral("\"")).toLatin1().constData());
    SetValue_Vehicle(l, "Saved_Edition", kSavedEdition);
    if (!writeTruckloadFile(path))
        return false;
    file_ = path;
    markDirty(false);
    if (status)
        status(QStringLiteral("Saved the truckload \"") + name_ + QStringLiteral("\""));
    if (savedFilesChanged)
        savedFilesChanged();
    return true;
}

bool SavedStore::newTruckload()
{
    if (!offerToSave())
        return false;
    Reset_Load(load());
    file_.clear();
    setName(QString());
    markDirty(false);
    if (truckloadReplaced)
        truckloadReplaced(false);
    if (status)
        status(QStringLiteral("Ready"));
    return true;
}

SavedStore::OpenResult SavedStore::open(const QString &path)
{
    if (!offerToSave())
        return OpenResult::Declined;
    const QString name = savedRowName(QFileInfo(path).fileName());
    const std::optional<QByteArray> bytes = readWhole(path);
    // A file that cannot be read, or that the engine finds malformed, is
    // refused before anything of the current truckload changes.
    const auto refuse = [&] {
        prompts_.error(QStringLiteral("Unable to open the saved truckload \"") + name +
                       QStringLiteral("\". The file cannot be read or is not a truckload file."));
        return OpenResult::Refused;
    };
    if (!bytes || bytes->isEmpty() || bytes->size() > static_cast<qsizetype>(UINT32_MAX))
        return refuse();
    const auto length = static_cast<uint32_t>(bytes->size());
    const int trial = Unserialize_Load(load(), bytes->constData(), length, -1);
    if (trial == 1)
        return refuse();
    if (trial == 2 &&
        prompts_.show(PromptType::Confirmation,
                      QStringLiteral("Some hazardous materials have no representation in the new hazardous "
                                     "materials table and will be removed from the load.  Continue?"),
                      PromptButtons::YesNo) != PromptAnswer::Yes)
        return OpenResult::Declined;
    if (Unserialize_Load(load(), bytes->constData(), length, 0) != 0) {
        // The trial read accepted these very bytes; should the real read
        // disagree the truckload is left empty rather than half-read.
        Reset_Load(load());
        file_.clear();
        setName(QString());
        if (truckloadReplaced)
            truckloadReplaced(false);
        return refuse();
    }
    SetName_Load(load(), name.toUtf8().constData());
    file_ = QFileInfo(path).absoluteFilePath();
    setName(name);
    if (status)
        status(QStringLiteral("Loaded the saved truckload \"") + name + QStringLiteral("\""));
    markDirty(false);
    if (truckloadReplaced)
        truckloadReplaced(true);
    return OpenResult::Opened;
}

SavedStore::OpenResult SavedStore::importFile(const QString &path)
{
    const OpenResult result = open(path);
    // Only a file that opened is copied into the saved-truckloads folder,
    // and a saved truckload of the same name is replaced only when the
    // user agrees.
    if (result != OpenResult::Opened)
        return result;
    const QFileInfo source(path);
    const QString target = savePath() + source.fileName();
    if (QFileInfo(target).canonicalFilePath() == source.canonicalFilePath())
        return result;
    if (QFileInfo::exists(target)) {
        if (prompts_.show(PromptType::Confirmation, overwriteQuestion(savedRowName(source.fileName())),
                          PromptButtons::YesNo) != PromptAnswer::Yes)
            return result;
    }
    // Copied through a temporary file renamed over the target, so a failed
    // copy leaves a saved truckload of that name as it was.
    const int error = copyFileAtomically(path, target);
    if (error) {
        prompts_.error(saveFailureText(error, QFileInfo::exists(target)));
    } else {
        // From now on the truckload is the saved copy.
        file_ = QFileInfo(target).absoluteFilePath();
        if (savedFilesChanged)
            savedFilesChanged();
    }
    return result;
}

bool SavedStore::exportCurrent(const QString &path) { return writeTruckloadFile(path); }

} // namespace velmora
