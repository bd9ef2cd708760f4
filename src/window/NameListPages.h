// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/RenameSession.h"
#include "window/Form1Layout.h"
#include "window/PageServices.h"

#include <QObject>
#include <QString>
#include <optional>
#include <string>

namespace tollwick {

struct Form1Controls;

/// The import and export pages: the name list file chosen from the list
/// page, the layout tabs with the example of each, and the separator.
class NameListPages final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NameListPages)

public:
    /// What the pages read of their layout tabs when Next is pressed.
    struct Choice {
        std::string path;
        NameListLayout layout{};
        std::string separator;
    };

    NameListPages(Form1Controls& controls, const RenameSession& session, const Form1Dialogs& fileDialogs,
                  PageServices services, QObject* parent);
    ~NameListPages() override = default;

    /// Asks for a name list to read, then shows the import page.
    void ChooseListToImport();
    /// Asks for a file to write the names to, then shows the export page.
    void ChooseListToExport();
    /// The import page's file, layout and separator; none while its tab is no layout.
    [[nodiscard]] std::optional<Choice> ImportChoice() const;
    [[nodiscard]] std::optional<Choice> ExportChoice() const;
    /// Shows the example of each page's tab, in the present language.
    void ShowExamples();

private:
    void ShowImportExample();
    void ShowExportExample();
    void ShowExample(const QString& layout, bool forImport);

    Form1Controls& c_;
    const RenameSession& session_;
    const Form1Dialogs& fileDialogs_;
    PageServices services_;
    QString listFileName_; // the name list chosen for import or export
};

} // namespace tollwick
