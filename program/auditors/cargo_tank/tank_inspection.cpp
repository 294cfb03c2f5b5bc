#include "auditors/cargo_tank/tank_inspection.h"

#include "app/hazmat_library.h"

#include "dravlen.h"

#include <algorithm>

namespace velmora::cargo_tank {

namespace {

constexpr int kMode = 0;   // the cargo tank question set
constexpr int kFirstTankCode = 2;

QString libraryText(const char *text) { return text ? fromLibraryText(text) : QString(); }

// Dictionary values are UTF-8 like every library text.
QByteArray dictionaryBytes(const QString &text) { return text.toUtf8(); }

} // namespace

QStringList tankNames()
{
    QStringList names;
    for (int code = kFirstTankCode; code < GetNumVehicles(); ++code)
        names << libraryText(GetVehicleName(code));
    return names;
}

QString storedDate(const QDate &date)
{
    return QString::number(date.month()) + QLatin1Char('-') + QString::number(date.day()) + QLatin1Char('-') +
           QString::number(date.year()).rightJustified(4, QLatin1Char('0'));
}

QDate parseStoredDate(const QString &text) { return QDate::fromString(text.trimmed(), QStringLiteral("M-d-yyyy")); }

ChartChoice parseChartLink(const QString &href)
{
    ChartChoice choice;
    QString name = href.trimmed();
    if (name.endsWith(QLatin1String("Vacuum"))) {
        choice.vacuum = true;
        name = name.chopped(6).trimmed();
    }
    const QByteArray bytes = name.toLatin1();
    const int code = GetVehicleCode(bytes.constData());
    choice.valid = code >= kFirstTankCode && (!choice.vacuum || hasVacuumQuestion(name));
    choice.tank = name;
    return choice;
}

TankInspection::TankInspection(Engine *engine) : engine_(engine) {}

Load *TankInspection::load() const { return GetLoad_Engine(engine_); }

bool TankInspection::open()
{
    const QString vehicle = libraryText(GetVehicle_Load(load()));
    if (vehicle == QLatin1String("Unknown") || vehicle == QLatin1String("Unit Load") || vehicle.isEmpty()) {
        firstShowDone_ = true;
        vacuumDecided_ = false;
        return false;
    }
    current_ = vehicle;
    if (hasVacuumQuestion(vehicle)) {
        const int answer = GetAnswer_Vehicle(load(), 0, kMode);
        if (answer == 0 || answer == 1) {
            vacuumDecided_ = true;
            vacuum_ = answer == 1;
        }
    }
    applyTank(vehicle, false);
    return true;
}

TankInspection::Choice TankInspection::chooseTank(const QString &tank)
{
    if (tank == current_)
        return Choice::Unchanged;
    const QString before = current_;
    const bool vacuumBefore = vacuum_, decidedBefore = vacuumDecided_;
    previous_ = current_;
    current_ = tank;
    vacuumDecided_ = false;
    if (!hasVacuumQuestion(tank))
        vacuum_ = false;
    const Choice result = applyTank(tank, firstShowDone_);
    if (result == Choice::Refused) {
        current_ = before;
        vacuum_ = vacuumBefore;
        vacuumDecided_ = decidedBefore;
    }
    return result;
}

TankInspection::Choice TankInspection::chooseFromChart(const ChartChoice &choice)
{
    if (!choice.valid)
        return Choice::Unchanged;
    const QString before = current_;
    const bool vacuumBefore = vacuum_, decidedBefore = vacuumDecided_;
    previous_ = current_;
    current_ = choice.tank;
    // The legality question comes before the truckload's vehicle changes, so
    // that a refused tank leaves the truckload as it was.
    const Choice result = applyTank(choice.tank, firstShowDone_);
    if (result == Choice::Refused) {
        current_ = before;
        vacuum_ = vacuumBefore;
        vacuumDecided_ = decidedBefore;
        return result;
    }
    if (hasVacuumQuestion(choice.tank)) {
        settleVacuum(choice.vacuum);
        SetAnswer_Vehicle(load(), 0, choice.vacuum ? 1 : 0, kMode);
    } else {
        vacuum_ = false;
        vacuumDecided_ = false;
    }
    return result;
}

TankInspection::Choice TankInspection::applyTank(const QString &tank, bool legalityPrompt)
{
    const QByteArray name = tank.toLatin1();
    if (legalityPrompt) {
        int illegal = 0;
        if (!TestVehicle_Engine(engine_, name.constData(), &illegal) && !(confirmIllegal && confirmIllegal(tank)))
            return Choice::Refused;
    }
    const bool differs = libraryText(GetVehicle_Load(load())) != tank;
    SetVehicle_Load(load(), name.constData());

    notApproved_.clear();
    if (!IsCurrentVehicleAllowed_Load(load())) {
        QStringList ids;
        for (const char *id = GetFirstVehicleForbiddenUN_Load(load()); id; id = GetNextVehicleForbiddenUN_Load(load()))
            ids << libraryText(id);
        ids.sort();
        ids.removeDuplicates();
        notApproved_ = ids.join(QLatin1String(", "));
    }
    firstShowDone_ = true;
    if (differs)
        notifyChanged();
    return Choice::Chosen;
}

void TankInspection::settleVacuum(bool vacuum)
{
    vacuumDecided_ = true;
    vacuum_ = vacuum;
}

void TankInspection::answer(int index, int answer)
{
    if (index < 0 || current_.isEmpty())
        return;
    if (!SetAnswer_Vehicle(load(), static_cast<uint32_t>(index), answer, kMode))
        return;
    if (index == 0 && hasVacuumQuestion(current_) && answer != 2)
        settleVacuum(answer == 1);
    notifyChanged();
}

void TankInspection::setYesDefault(bool on)
{
    yesDefault_ = on;
    if (on)
        noDefault_ = false;
    const int answer = on ? 1 : noDefault_ ? 0 : 2;
    if (on || !noDefault_) {
        const uint32_t count = GetNumQuestions_Vehicle(load(), kMode);
        for (uint32_t i = 0; i < count; ++i)
            SetAnswer_Vehicle(load(), i, answer, kMode);
        if (answer == 2) {
            vacuum_ = vacuumDecided_ = false;
        } else if (hasVacuumQuestion(current_)) {
            settleVacuum(answer == 1);
        }
        if (count)
            notifyChanged();
    }
}

void TankInspection::setNoDefault(bool on)
{
    noDefault_ = on;
    if (on)
        yesDefault_ = false;
    const int answer = on ? 0 : 2;
    if (on || !yesDefault_) {
        const uint32_t count = GetNumQuestions_Vehicle(load(), kMode);
        for (uint32_t i = 0; i < count; ++i)
            SetAnswer_Vehicle(load(), i, answer, kMode);
        if (answer == 2) {
            vacuum_ = vacuumDecided_ = false;
        } else if (hasVacuumQuestion(current_)) {
            settleVacuum(false);
        }
        if (count)
            notifyChanged();
    }
}

void TankInspection::resetAnswers()
{
    const uint32_t count = GetNumQuestions_Vehicle(load(), kMode);
    for (uint32_t i = 0; i < count; ++i)
        SetAnswer_Vehicle(load(), i, 2, kMode);
    if (count)
        notifyChanged();
}

void TankInspection::newInspection()
{
    current_.clear();
    previous_.clear();
    notApproved_.clear();
    vacuum_ = vacuumDecided_ = false;
    SetVehicle_Load(load(), "Unit Load");
    notifyChanged();
}

QuestionsPage TankInspection::questionsPage(bool blankForm)
{
    QuestionsPage page;
    page.tank = current_;
    page.blankForm = blankForm;
    if (current_.isEmpty())
        return page;
    const uint32_t count = GetNumQuestions_Vehicle(load(), kMode);
    for (uint32_t i = 0; i < count; ++i) {
        const Question *q = GetQuestion_Vehicle(load(), i, kMode);
        if (!q)
            continue;
        QuestionRow row;
        row.text = libraryText(GetText_Question(q));
        row.citation = libraryText(GetReg_Question(q));
        row.group = libraryText(GetSubCat_Question(q));
        row.answer = GetAnswer_Vehicle(load(), i, kMode);
        if (!blankForm && row.answer == 2 && (yesDefault_ || noDefault_)) {
            row.answer = yesDefault_ ? 1 : 0;
            SetAnswer_Vehicle(load(), i, row.answer, kMode);
            if (i == 0 && hasVacuumQuestion(current_))
                settleVacuum(row.answer == 1);
        }
        if (i == 0 && hasVacuumQuestion(current_) && vacuumDecided_)
            row.answer = vacuum_ ? 1 : 0;
        page.questions.push_back(row);
    }
    return page;
}

std::vector<ViolationRow> TankInspection::violationRows()
{
    std::vector<ViolationRow> rows;
    if (current_.isEmpty())
        return rows;
    const uint32_t count = GetNumUnfilteredMCTIViolations_Vehicle(load());
    int enabled = 0;   // the cargo tank list opens the combined sequence
    for (uint32_t i = 0; i < count; ++i) {
        const Violation *v = GetUnfilteredMCTIViolation_Vehicle(load(), i);
        if (!v)
            continue;
        ViolationRow row;
        row.questionReference = GetQuestionReference_Violation(v);
        row.aspenCode = libraryText(GetAspenCode_Violation(v));
        row.description = libraryText(GetDescription_Violation(v));
        row.disabled = IsDisabled_Violation(v) != 0;
        // The table's indicator is "U" for codes no public source rates:
        // those stay unknown until the inspector marks them.
        QString indicator;
        if (const char *reg = GetReg_Violation(v)) {
            const int rec = SearchVI_HazData(reg);
            if (rec >= 0)
                indicator = libraryText(GetField_VIRec(GetVIRec_HazData(rec), 5));
        }
        const bool known = indicator == QLatin1String("Y") || indicator == QLatin1String("P") ||
                           indicator == QLatin1String("N");
        row.outOfService = IsOOS_Violation(v) ? OutOfService::Yes : known ? OutOfService::No : OutOfService::Unknown;
        row.combinedIndex = row.disabled ? -1 : enabled++;
        rows.push_back(row);
    }
    return rows;
}

void TankInspection::toggleOutOfService(int combinedIndex)
{
    GetNumViolations_Vehicle(load());   // brings the lists up to date
    const Violation *v = GetViolation_Vehicle(load(), static_cast<uint32_t>(combinedIndex));
    if (!v)
        return;
    SetOOS_Violation_Vehicle(load(), static_cast<uint32_t>(combinedIndex), IsOOS_Violation(v) ? 0 : -1);
    notifyChanged();
}

TankPage TankInspection::tankPage(bool large, const QString &picturesFolder, const QString &referenceText) const
{
    TankPage page;
    page.tank = current_;
    page.vacuum = vacuum_;
    page.vacuumDecided = vacuumDecided_;
    page.large = large;
    page.notApproved = notApproved_;
    page.picturesFolder = picturesFolder;
    page.referenceText = referenceText;
    return page;
}

std::vector<int> TankInspection::unansweredNumbers()
{
    std::vector<int> numbers;
    if (current_.isEmpty())
        return numbers;
    const uint32_t count = GetNumQuestions_Vehicle(load(), kMode);
    for (uint32_t i = 0; i < count; ++i)
        if (GetAnswer_Vehicle(load(), i, kMode) == 2)
            numbers.push_back(static_cast<int>(i) + 1);
    return numbers;
}

bool TankInspection::hasValue(const char *key) const { return GetValue_Vehicle(load(), key) != nullptr; }

QString TankInspection::value(const char *key) const { return libraryText(GetValue_Vehicle(load(), key)); }

bool TankInspection::storeValue(const char *key, const QString &text)
{
    if (hasValue(key) && value(key) == text)
        return false;
    const QByteArray bytes = dictionaryBytes(text);
    SetValue_Vehicle(load(), key, bytes.constData());
    return true;
}

} // namespace velmora::cargo_tank
