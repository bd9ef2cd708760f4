// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class QCheckBox;
class QComboBox;
class QPushButton;
class QDateEdit;
class QFileSystemModel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QAction;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;
class QSpinBox;
class QTabBar;
class QTabWidget;
class QTableView;
class QToolBar;
class QToolButton;
class QTreeView;

namespace tollwick {

class LinkLabel;
class RoundedShape;

/// Every control of the window, by the name it goes by.
struct Form1Controls {
    // Help panel and bottom strip.
    RoundedShape* Shape1 = nullptr;
    QPlainTextEdit* HelpMemo = nullptr;
    QToolButton* PrevBtn = nullptr;
    QToolButton* NextBtn = nullptr;
    QToolButton* CancelBtn = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QCheckBox* HelpCheck = nullptr;
    std::array<QGroupBox*, 10> pages{}; // GroupBox1 .. GroupBox10

    // Page 1.
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;

    // Page 2.
    QLabel* Label1 = nullptr;
    LinkLabel* InternetLinkLabel = nullptr;
    LinkLabel* MailLinkLabel = nullptr;
    QPlainTextEdit* AboutMemo = nullptr;

    // Page 3.
    QLabel* DirName = nullptr;
    QTableView* FilterList = nullptr;
    QTableView* TotalList = nullptr;
    QCheckBox* UndoCheck = nullptr;
    QLabel* ListForecastLabel = nullptr; // how many checked rows the run renames
    QToolBar* ToolBar1 = nullptr;
    QToolButton* OpenBtn = nullptr;
    QToolButton* SaveBtn = nullptr;
    QToolButton* DoubleBtn = nullptr;
    QToolButton* EditBtn = nullptr;
    QToolButton* GenerateBtn = nullptr;
    QToolButton* CheckAllBtn = nullptr;
    QToolButton* UnCheckBtn = nullptr;
    QToolButton* DelSelBtn = nullptr;
    QToolButton* DelCheckBtn = nullptr;
    QToolButton* DelAllBtn = nullptr;
    QToolButton* SetFilterBtn = nullptr;
    QToolButton* FilterBtn = nullptr;
    QToolButton* FilterUpdateBtn = nullptr;
    QToolButton* RunBtn = nullptr;

    // Page 4.
    QLabel* PreviewDirLabel = nullptr;
    QLabel* PreviewCtyLabel = nullptr;
    QLabel* PreviewUndoLabel = nullptr;
    std::array<QLabel*, 6> PreviewStatusLabels{}; // the forecast count of each status, in status order
    QLabel* ForecastWarningLabel = nullptr;
    QCheckBox* OrderCheck = nullptr;

    // Page 5.
    QTableView* ResultView = nullptr;
    QLabel* ResultTotalLabel = nullptr;
    QLabel* ResultOKLabel = nullptr;
    QLabel* ResultCancelLabel = nullptr;
    QLabel* ResultExistLabel = nullptr;
    QLabel* ResultNOLabel = nullptr;
    QLabel* ResultDontExistLabel = nullptr;
    QLabel* ResultNotReachedLabel = nullptr;

    // Page 6.
    QTabBar* KindOfLoadList = nullptr;
    QPlainTextEdit* KindDemo = nullptr;
    QLineEdit* Kind5Edit = nullptr;

    // Page 7.
    QComboBox* DriveComboBox1 = nullptr;
    QTreeView* DirectoryListBox1 = nullptr;
    QFileSystemModel* folderModel = nullptr;

    // Page 8.
    QTabWidget* GeneratePage = nullptr;
    QRadioButton* GenDownCheck = nullptr;
    QRadioButton* GenUpCheck = nullptr;
    QRadioButton* GenFirstUpCheck = nullptr;
    QSpinBox* GenFirstUpCty = nullptr;
    QRadioButton* GenInvertCheck = nullptr;
    QRadioButton* GenAllFirstUpCheck = nullptr;
    QCheckBox* GenSymbol_Check = nullptr;
    QLineEdit* ChangeFromEdit = nullptr;
    QLineEdit* ChangeToEdit = nullptr;
    QCheckBox* DoNotChangeExtCheck = nullptr;
    QCheckBox* OnlyFirstCheck = nullptr;
    QCheckBox* CaseCheck = nullptr;
    QCheckBox* RegExpCheck = nullptr;
    QLineEdit* MaskNameEdit = nullptr;
    QLineEdit* MaskExtEdit = nullptr;
    QCheckBox* IncNameCheck = nullptr;
    QRadioButton* CyrToLatCheck = nullptr;
    QRadioButton* LatToCyrCheck = nullptr;
    QListWidget* CyrList = nullptr;
    QListWidget* CyrLongList = nullptr;
    QListWidget* LatList = nullptr;
    QListWidget* LatLongList = nullptr;
    QSpinBox* DeleteFromEdit = nullptr;
    QSpinBox* DeleteCtyEdit = nullptr;
    QCheckBox* DeleteInvertCheck = nullptr;
    QLabel* GenerateSampleLabel = nullptr;
    QCheckBox* ApplyCheckedOnlyCheck = nullptr;
    QLabel* PresetLabel = nullptr;
    QComboBox* PresetBox = nullptr;
    QPushButton* SavePresetBtn = nullptr;

    // Page 9.
    QTabBar* KindOfSaveList = nullptr;
    QPlainTextEdit* KindSaveDemo = nullptr;
    QLineEdit* KindSaveEdit = nullptr;

    // Page 10.
    QCheckBox* FilterOldNameCheck = nullptr;
    QLineEdit* FilterOldNameEdit = nullptr;
    QCheckBox* FilterNewNameCheck = nullptr;
    QLineEdit* FilterNewNameEdit = nullptr;
    QCheckBox* FilterDateCheck = nullptr;
    QDateEdit* FilterFirstDateEdit = nullptr;
    QDateEdit* FilterLastDateEdit = nullptr;

    // The context menu of the four table lists.
    QMenu* PopupMenu1 = nullptr;
    QAction* AddMenu = nullptr;
    QAction* EditMenu = nullptr;
    QAction* DeleteMenu = nullptr;
};

} // namespace tollwick
