// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/FileManagerActions.h"

#include "platform/NautilusScript.h"

namespace tollwick {
namespace {

bool KnowsWhere(const std::string& scriptPath, std::ostream& err)
{
    if (scriptPath.empty()) {
        err << "tollwick: neither XDG_DATA_HOME nor HOME is set, so the folder of the scripts is unknown\n";
    }
    return !scriptPath.empty();
}

void SayNotOurs(const std::string& scriptPath, std::ostream& err)
{
    err << "tollwick: " << scriptPath << " is not Tollwick's script (its line \"" << NautilusScriptMark
        << "\" is missing), so it is left as it is.\n";
}

} // namespace

int InstallFileManagerActions(const std::string& scriptPath, std::ostream& out, std::ostream& err)
{
    if (!KnowsWhere(scriptPath, err)) {
        return 1;
    }
    const ScriptChange change = InstallNautilusScript(scriptPath);
    switch (change.outcome) {
    case ScriptChange::Outcome::Written:
    case ScriptChange::Outcome::Updated:
        out << (change.outcome == ScriptChange::Outcome::Written ? "Wrote " : "Updated ") << scriptPath
            << ".\nIn GNOME Files, a folder's menu Scripts > Rename Files with Tollwick now opens it in Tollwick.\n"
               "Dolphin and Nemo offer Tollwick in a folder's menu from the package itself.\n";
        return 0;
    case ScriptChange::Outcome::NotOurs:
        SayNotOurs(scriptPath, err);
        err << "Nothing was written; move that file away to install Tollwick's script.\n";
        return 1;
    case ScriptChange::Outcome::Removed:
    case ScriptChange::Outcome::NotThere:
    case ScriptChange::Outcome::Failed:
        break;
    }
    err << "tollwick: cannot write " << scriptPath << ": " << change.reason << '\n';
    return 1;
}

int RemoveFileManagerActions(const std::string& scriptPath, std::ostream& out, std::ostream& err)
{
    if (!KnowsWhere(scriptPath, err)) {
        return 1;
    }
    const ScriptChange change = RemoveNautilusScript(scriptPath);
    switch (change.outcome) {
    case ScriptChange::Outcome::Removed:
        out << "Removed " << scriptPath << ".\n";
        return 0;
    case ScriptChange::Outcome::NotThere:
        out << "There is no script of Tollwick at " << scriptPath << "; nothing to remove.\n";
        return 0;
    case ScriptChange::Outcome::NotOurs:
        SayNotOurs(scriptPath, err);
        return 1;
    case ScriptChange::Outcome::Written:
    case ScriptChange::Outcome::Updated:
    case ScriptChange::Outcome::Failed:
        break;
    }
    err << "tollwick: cannot remove " << scriptPath << ": " << change.reason << '\n';
    return 1;
}

} // namespace tollwick
