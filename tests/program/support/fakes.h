// Scripted stand-ins for the engine library and the user's answers.
#pragma once

#include "app/dialogs.h"
#include "app/hazmat_library.h"
#include "app/prompts.h"

#include <QStringList>
#include <QTest>

#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace velmora::test {

struct ShownPrompt {
    PromptType type;
    QString text;
    PromptButtons buttons;
};

// Records every message and answers from a script (Ok/Yes by default).
class ScriptedPrompts : public Prompts {
public:
    std::vector<ShownPrompt> shown;
    std::deque<PromptAnswer> answers;

    PromptAnswer show(PromptType type, const QString &text, PromptButtons buttons) override
    {
        shown.push_back({type, text, buttons});
        if (!answers.empty()) {
            const PromptAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == PromptButtons::YesNo || buttons == PromptButtons::SaveDiscardCancel ? PromptAnswer::Yes
                                                                                              : PromptAnswer::Ok;
    }
    QStringList texts() const
    {
        QStringList t;
        for (const auto &p : shown)
            t << p.text;
        return t;
    }
};

// Answers the window's dialogs with the scripts set; a dialog without a
// script is the real one.
class ScriptedDialogs : public Dialogs {
public:
    std::function<bool(Hazmat *item, bool fromSearch)> itemDialog;
    std::function<std::optional<QString>(const QString &initial, bool rename)> truckIdDialog;
    // `save`: a file to save to; `start` the file proposed.
    std::function<QString(bool save, const QString &filter, const QString &start)> fileDialog;
    // The file dialog of "Save Truckload As" (`start` the proposed file);
    // without a script it falls to `fileDialog`.
    std::function<std::optional<QString>(const QString &start)> saveAsDialog;
    // Information and auditor windows.
    std::function<void(QDialog &window)> runWindow;

    bool editItem(Hazmat *h, bool fromSearch, const AddItemContext &context, QWidget *parent) override
    {
        return itemDialog ? itemDialog(h, fromSearch) : Dialogs::editItem(h, fromSearch, context, parent);
    }
    std::optional<QString> truckId(const TruckIdQuestion &question, QWidget *parent) override
    {
        return truckIdDialog ? truckIdDialog(question.initial, question.rename) : Dialogs::truckId(question, parent);
    }
    QString fileName(FileDialogMode mode, const QString &filter, const QString &startPath, QWidget *parent) override
    {
        if (mode == FileDialogMode::SaveTruckload && saveAsDialog)
            return saveAsDialog(startPath).value_or(QString());
        if (fileDialog)
            return fileDialog(mode != FileDialogMode::Open, filter, startPath);
        // A real file dialog would wait for a user who is not there.
        QTest::qFail("a file dialog opened that the test did not script", __FILE__, __LINE__);
        (void)parent;
        return QString();
    }
    void exec(QDialog &shown) override
    {
        if (runWindow)
            runWindow(shown);
        else
            Dialogs::exec(shown);
    }
};

// A small table and ruleset set the tests control.
class FakeLibrary : public HazmatLibrary {
public:
    struct Entry {
        SearchRow row;
        std::string className;   // for the class search
    };
    std::vector<Entry> table;
    std::map<std::string, std::string> idInfos;
    std::vector<int> active{41, 42};
    std::map<int, std::optional<std::string>> statuses{{41, "Current"}, {42, "Voluntary"}};
    int current = 41;
    bool conversionOk = true;
    int engineInits = 0, engineDestroys = 0;
    int setRulesetCalls = 0;
    bool bulk = false, dangerousFirst = true;
    std::vector<std::string> vehicles{"Unknown", "Van", "Flatbed"};
    std::string vehicle;
    unsigned items = 0;

    void initEngine() override { ++engineInits; }
    void destroyEngine() override { ++engineDestroys; }
    void setDangerousFirst(bool on) override { dangerousFirst = on; }
    void setBulkPlacards(bool on) override { bulk = on; }
    void setPlacardAllHazmats(bool) override {}
    int numActiveRulesets() override { return static_cast<int>(active.size()); }
    int activeRuleset(int n) override { return active.at(static_cast<size_t>(n)); }
    std::optional<std::string> rulesetStatus(int index) override
    {
        const auto it = statuses.find(index);
        return it == statuses.end() ? std::nullopt : it->second;
    }
    std::optional<std::string> rulesetDocket(int index) override
    {
        return index == 42 ? std::string("PHMSA\u2013" "2021\u2013" "0092 (HM\u2013" "215Q)") : "RULES-" + std::to_string(index);
    }
    int currentRuleset() override { return current; }
    bool setRuleset(int index) override
    {
        ++setRulesetCalls;
        for (int a : active)
            if (a == index) {
                current = index;
                return true;
            }
        return false;
    }
    bool testRulesetConversion(int) override { return conversionOk; }

    int search(const std::string &text, int mode, int afterPid) override
    {
        for (const auto &e : table) {
            if (e.row.pid <= afterPid)
                continue;
            const QString t = QString::fromStdString(text);
            const bool hit = mode == 0   ? QString::fromStdString(e.row.psn).contains(t, Qt::CaseInsensitive)
                             : mode == 1 ? e.className == text
                             : mode == 2 ? QString::fromStdString(e.row.id).contains(t, Qt::CaseInsensitive)
                                         : false;
            if (hit)
                return e.row.pid;
        }
        return 0;
    }
    std::optional<SearchRow> rowForPid(int pid) override
    {
        for (const auto &e : table)
            if (e.row.pid == pid)
                return e.row;
        return std::nullopt;
    }
    std::optional<std::string> idInfo(const std::string &id) override
    {
        const auto it = idInfos.find(id);
        return it == idInfos.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    int numVehicles() override { return static_cast<int>(vehicles.size()); }
    std::string vehicleName(int code) override { return vehicles.at(static_cast<size_t>(code)); }
    void setVehicle(const std::string &name) override { vehicle = name; }
    void set8820Criteria(bool) override {}
    void setDODShipment(bool) override {}
    unsigned itemCount() override { return items; }
    std::string truckloadName() override { return {}; }
};

} // namespace velmora::test
