// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every language key the program asks for. The window sets its texts by
// walking these lists, and the shipped language files are checked against
// them, so a key added here is a key every language file must carry.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// Captions set by a control's own name, in component order: page titles,
/// labels (but Label1, InternetLinkLabel, Label4 and DirName, which keep or
/// get their texts elsewhere), check boxes, radio buttons, tabs, menu items.
inline constexpr auto CaptionKeys = std::to_array<std::string_view>(
    {// Page 9, export
     "GroupBox9", "Label20", "Label21", "SKind1", "SKind2", "SKind3", "SKind4", "SKind5", "SKind6",
     // Page 10, filter
     "GroupBox10", "Label30", "Label31", "FilterOldNameCheck", "FilterNewNameCheck", "FilterDateCheck",
     // Page 1, start
     "GroupBox1", "RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4",
     // Page 2, About
     "GroupBox2", "InternetLabel", "MailLabel", "MailLinkLabel",
     // Page 3, list
     "GroupBox3", "UndoCheck",
     // Page 4, preview
     "GroupBox4", "Label2", "Label3", "PreviewCtyLabel", "Label6", "PreviewUndoLabel", "PreviewDirLabel",
     "ForecastLabel", "OrderCheck",
     // Page 5, result
     "GroupBox5", "Label5", "Label7", "Label8", "Label9", "Label10", "Label11", "Label32", "ResultTotalLabel",
     "ResultOKLabel", "ResultCancelLabel", "ResultExistLabel", "ResultNOLabel", "ResultDontExistLabel",
     "ResultNotReachedLabel",
     // Page 6, import
     "GroupBox6", "Label12", "Label13", "Kind1", "Kind2", "Kind3", "Kind4", "Kind5", "Kind6",
     // Page 7, folder
     "GroupBox7",
     // Page 8, generators, tab by tab
     "GroupBox8", "Generate1", "Label15", "GenDownCheck", "GenUpCheck", "GenFirstUpCheck", "GenInvertCheck",
     "GenAllFirstUpCheck", "GenSymbol_Check", "Generate2", "Label16", "Label17", "DoNotChangeExtCheck",
     "OnlyFirstCheck", "CaseCheck", "RegExpCheck", "Generate3", "Label18", "Label19", "IncNameCheck", "Generate4",
     "Label22", "Label23", "Label24", "Label25", "Label26", "Label27", "Label28", "CyrToLatCheck", "LatToCyrCheck",
     "Generate5", "Label14", "Label29", "DeleteInvertCheck", "ApplyCheckedOnlyCheck",
     // Under the pages, and the context menu of the table lists
     "HelpCheck", "AddMenu", "EditMenu", "DeleteMenu"});

/// Hints (tool tips) of the navigation buttons and the tool bar buttons,
/// separators included, in component order, and of the regular-expression
/// box, whose own name is its caption.
inline constexpr auto HintKeys = std::to_array<std::string_view>(
    {"PrevBtn",      "NextBtn",         "CancelBtn",   "OpenBtn",     "SaveBtn",        "ToolButton3",
     "DoubleBtn",    "EditBtn",         "GenerateBtn", "ToolButton7", "CheckAllBtn",    "UnCheckBtn",
     "ToolButton10", "DelSelBtn",       "DelCheckBtn", "DelAllBtn",   "ToolButton14",   "SetFilterBtn",
     "FilterBtn",    "FilterUpdateBtn", "ToolButton1", "RunBtn",      "RegExpCheckHint"});

/// Titles of the four file dialogs.
inline constexpr auto TitleKeys = std::to_array<std::string_view>({"OpenUndo", "OpenLanguage", "SaveList", "OpenList"});

/// Headings of the first four columns, the same for all three list views.
inline constexpr auto ColumnKeys = std::to_array<std::string_view>({"Column1", "Column2", "Column3", "Column4"});

/// Texts fetched when they are shown: message boxes, the preview note,
/// the run's status words, the titles and prompts of the input boxes, the
/// captions of the boxes' buttons and the words before the two names of the
/// generator page's sample.
/// In "AddMenuPromt2" and "EditMenuPromt" a "%s" stands for the source text,
/// in "Msg6" and "Msg7" for the undo folder, in "ReasonRunStopped" for the
/// system's reason; in "ListForecast" "%1" is the number of checked rows the
/// run renames and "%2" that of all checked rows; in "UndoFault" "%1" is the
/// undo file and "%2" the system's reason (or "ReasonUndoChanged"), in
/// "RunStopped" "%1" the list folder and "%2" the reason. The "Reason..."
/// texts say why the run refused a row or did not reach it; in
/// "ReasonLeftAside" "%s" stands for the temporary name the file was left under.
inline constexpr auto MessageKeys = std::to_array<std::string_view>({"Msg1",
                                                                     "Msg4",
                                                                     "Msg6",
                                                                     "Msg7",
                                                                     "Msg8",
                                                                     "Msg9",
                                                                     "Msg10",
                                                                     "PreviewUndoLabel1",
                                                                     "PreviewUndoLabel2",
                                                                     "ForecastWarning",
                                                                     "UndoFolderWarning",
                                                                     "UndoFolderFullWarning",
                                                                     "ListForecast",
                                                                     "NoRowChecked",
                                                                     "UndoFault",
                                                                     "RunStopped",
                                                                     "StatusRenamed",
                                                                     "StatusCanNot",
                                                                     "StatusExist",
                                                                     "StatusDontExist",
                                                                     "StatusCancel",
                                                                     "StatusNotReached",
                                                                     "ReasonNoFolder",
                                                                     "ReasonBadName",
                                                                     "ReasonUndoName",
                                                                     "ReasonUndoStopped",
                                                                     "ReasonLeftAside",
                                                                     "RunWaitsForFolder",
                                                                     "ReasonRunStopped",
                                                                     "ReasonUndoChanged",
                                                                     "NewNameCaption",
                                                                     "NewNamePromt",
                                                                     "AddMenuCaption1",
                                                                     "AddMenuPromt1",
                                                                     "AddMenuCaption2",
                                                                     "AddMenuPromt2",
                                                                     "EditMenuCaption",
                                                                     "EditMenuPromt",
                                                                     "GenerateSampleNow",
                                                                     "GenerateSampleNew",
                                                                     "GenerateSampleNoRow",
                                                                     "DialogOK",
                                                                     "DialogCancel",
                                                                     "DialogNo"});

/// The language's own name; never shown, it picks the About page's web link
/// ("InternetLinkLabel_" + name). The shipped links file knows the shipped
/// languages by their own and their English names; any other name gets the
/// fallback link.
inline constexpr std::string_view LanguageNameKey = "Language";

/// Keys above whose text may be empty: the hints of the tool bar separators,
/// which nobody sees, and the value labels of the preview and result pages,
/// which the run overwrites before they are looked at.
inline constexpr auto MayBeEmptyKeys = std::to_array<std::string_view>(
    {"ToolButton3", "ToolButton7", "ToolButton10", "ToolButton14", "ToolButton1", "PreviewCtyLabel", "PreviewUndoLabel",
     "PreviewDirLabel", "ResultTotalLabel", "ResultOKLabel", "ResultCancelLabel", "ResultExistLabel", "ResultNOLabel",
     "ResultDontExistLabel", "ResultNotReachedLabel"});

/// Keys the shipped links file (data/links.cfg) supplies rather than the
/// language files; a language file that holds one of them overrides it.
inline constexpr std::string_view MailLinkKey = "MailLinkLabel";
inline constexpr std::string_view InternetLinkPrefix = "InternetLinkLabel_";
inline constexpr std::string_view InternetLinkFallbackKey = "InternetLinkLabel_Other";

/// Bases of the help texts: the pages but page 8, whose place the five
/// generator tabs take.
inline constexpr auto HelpBases = std::to_array<std::string_view>(
    {"GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4", "GroupBox5", "GroupBox6", "GroupBox7", "GroupBox9",
     "GroupBox10", "Generate1", "Generate2", "Generate3", "Generate4", "Generate5"});

/// The six name-list layouts, each with an example text.
inline constexpr auto LayoutNames =
    std::to_array<std::string_view>({"Kind1", "Kind2", "Kind3", "Kind4", "Kind5", "Kind6"});

/// A text of several lines: a count under `countKey` and the lines under
/// `linePrefix` + 1 .. `linePrefix` + count.
struct TextFamily {
    std::string countKey;
    std::string linePrefix;
    friend bool operator==(const TextFamily&, const TextFamily&) = default;
};

/// The About text: "DescriptionCty" and "DescriptLine" + k.
[[nodiscard]] TextFamily AboutFamily();
/// The help text of a page or generator tab: base + "Cty" and base + k.
[[nodiscard]] TextFamily HelpFamily(std::string_view base);
/// The example of a layout: layout + "ExpCty" and layout + "Exp" + k.
[[nodiscard]] TextFamily LayoutFamily(std::string_view layout);
/// The key of line k (from 1) of a family.
[[nodiscard]] std::string LineKey(const TextFamily& family, int k);
/// Every family a language file must carry: About, the help texts in the
/// order of HelpBases, then the layout examples.
[[nodiscard]] std::vector<TextFamily> AllFamilies();

} // namespace tollwick
