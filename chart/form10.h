// The results chart: up to ten finished assessments, one per row, under sixteen
// column headings, with a task text the user types beside each row, and the study's
// details under the buttons. The chart is a view of its ChartRecord: rows are added
// from the final score screen into the record, typed tasks and details go into it, and
// the cells and fields show what it holds. Print, Copy, Save, Open and Export read the
// record; Clear Chart empties its rows once the user has confirmed it.
#pragma once

#include "chart/chart_fields.h"
#include "printing/printing.h"
#include "scoring/assessment_scores.h"
#include "screens/screen_shell.h"
#include "study/chart_record.h"
#include "study/study_file.h"

#include <QLineEdit>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QDateEdit;
class QMenu;
class QMessageBox;
class QPlainTextEdit;

namespace rula {

class Form9;

class Form10 final : public ScreenShell, public PaperHeading, public PaperLayout {
    Q_OBJECT
public:
    static constexpr ScreenId kId = ScreenId::Form10;
    static constexpr int kRows = kChartRows;
    static constexpr int kColumns = static_cast<int>(AssessmentScores::kFieldCount);
    static_assert(kColumns == kChartColumns);
    // On paper, in pixels: the side and task columns right of the sixteen, and the page's
    // width, which fits A4 and Letter across at true size.
    static constexpr int kPaperSideLeft = 800;
    static constexpr int kPaperTaskLeft = 834;
    static constexpr int kPaperWidth = 978;

    explicit Form10(ScreenSet& screens);

    ChartRecord& record() { return record_; }
    const ChartRecord& record() const { return record_; }
    // The study's file, or empty while the chart has none.
    const QString& filePath() const { return filePath_; }
    // The study's file as it was when opened or last saved here.
    const std::optional<FileStamp>& fileStamp() const { return fileStamp_; }

    // Row 1 to 10, column 0 to 15.
    QLabel* cell(int row, int column) const;
    bool rowFilled(int row) const;
    // The task field of row 1 to 10; editable only while its row is filled.
    QLineEdit* task(int row) const;
    QLineEdit* titleField() const { return title_; }
    QLineEdit* siteField() const { return site_; }
    QLineEdit* assessorField() const { return assessor_; }
    QDateEdit* observedField() const { return observed_; }

    // "&Add to chart" on the final score screen: writes its assessment into the first
    // empty row, disables the button once row 10 is written, and shows the chart with
    // the focus in the new row's task field.
    void addFrom(Form9& finalScreen);
    // "&Update Row N" on the final score screen: its answers, scores and photo into row N.
    void updateRowFrom(Form9& finalScreen, int row);

    // The commands of a row, from its menu (the task field's, the row number's) and the
    // buttons. Review puts the row's answers on the screens and shows its scores; the
    // other side starts a new assessment with group B kept; Delete asks first.
    void reviewRow(int row);
    void otherSide(int row);
    void deleteRow(int row);
    // An assessment started elsewhere takes no task from an earlier "other side".
    void forgetPendingTask();

    // The row whose notes the notes box shows and which Review acts on: the last one
    // whose task or side had the focus, added, updated or reviewed.
    int selectedRow() const { return selectedRow_; }
    void selectRow(int row);
    SideField* side(int row) const { return sides_.at(row - 1); }
    QPlainTextEdit* notesField() const { return notes_; }

    void Command2_Click(); // Print, without the buttons
    void Command3_Click(); // Clear Chart, once the user has confirmed it
    void Command5_Click(); // Copy the chart as a table

    // Rows or details not saved: what the caption's `*` shows and closing asks about. A
    // chart emptied since its study was opened or saved has them too.
    bool hasUnsavedChanges() const;
    // Saves to the study's file, or asks for one (Save As) when it has none. Returns
    // true only when the file was written; false when the user cancelled or it failed
    // (the failure message was shown).
    bool saveForClosing();

    // The study's file, or Save As when it has none. Asks first when another program
    // has changed the file since it was opened or saved here.
    bool save();
    bool saveAs();                         // a file the user chooses; its name ends in ".rula"
    void open() override { askAndOpen(); } // asks first, then a file the user chooses
    // Asks first over unsaved changes, then a file the user chooses; true once a study
    // was opened.
    bool askAndOpen();
    // Ctrl+O on another screen: the chart comes on view and asks; without a study opened,
    // the screen it came from comes back.
    bool openFrom(ScreenShell& from);
    // The name Save As offers for a study without a file: its title, or "Study".
    QString suggestedName() const;
    void exportStudy();
    // Replaces the chart with the study in `path`; the chart stays exactly as it was
    // when the file is refused, and the message says why.
    std::optional<QString> openStudy(const QString& path);
    // Shows a chart kept from a program that ended with it unsaved: unsaved here too,
    // under the study's file it belonged to (empty for none) and that file's stamp then.
    void recover(const Study& study, const QString& path, const std::optional<FileStamp>& stamp);

    // Where the file dialogs come from; tests answer them without a dialog. An empty
    // path is a cancelled dialog; `filter` is the type chosen in the dialog.
    enum class FileQuestion { SaveAs, Open, Export };
    struct FileAnswer {
        QString path;
        QString filter;
    };
    using FileDialog = std::function<FileAnswer(FileQuestion)>;
    void setFileDialog(FileDialog dialog) { fileDialog_ = std::move(dialog); }

    // The study's details as the chart's page prints them above the chart.
    QString paperHeading() const override;
    // The chart as it prints: as on view, but each task whole, and a row as much taller
    // as its task needs.
    QSize drawForPaper(QPainter& painter) override;

    QPushButton* Command5 = nullptr; // "C&opy"
    QPushButton* saveButton = nullptr;
    QPushButton* saveAsButton = nullptr;
    QPushButton* openButton = nullptr;
    QPushButton* exportButton = nullptr;
    QPushButton* reportButton = nullptr; // Print Report
    QPushButton* reviewButton = nullptr;
    QPushButton* newAssessmentButton = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showRecord();
    void showNotes();
    void keepFinalScreenRow();
    void addRowCommands(QMenu* menu, int row);
    // The final score screen, made if need be and told whether the chart is full.
    Form9& finalScreen();
    enum class Answer { Yes, Other, Cancel };
    // A question over the screen on view (the chart, or the final score screen asking for
    // the other side), answered before going on; Cancel is the default.
    Answer Ask(const QString& question, const QString& yes, const QString& other = {});
    void showCaption();
    void syncAddButton();
    void detailsEdited();
    bool writeTo(const QString& path);
    // Before Save writes over the study's file: whether another program changed it, and
    // if so what the user chose.
    enum class OnDisk { Unchanged, SaveAnyway, SaveAs, Cancel };
    OnDisk askWhenChangedOnDisk();
    void tell(const QString& message);
    FileAnswer askFile(FileQuestion question);
    // Records the chart as Print does, without the buttons.
    // Runs `work` with the chart as it is on paper, without its buttons and details' band.
    void asOnPaper(const std::function<void()>& work);
    ScreenRecording recordForPaper();
    // The chart's page followed by the report's page for each row; recordReport records
    // them as the chart looks now (inside asOnPaper).
    ScreenRecording reportForPaper();
    ScreenRecording recordReport();
    void printReport();

    ChartRecord record_;
    QString filePath_;
    std::optional<FileStamp> fileStamp_;
    std::array<std::array<QLabel*, kColumns>, kRows> cells_{};
    std::array<TaskField*, kRows> tasks_{};
    std::array<SideField*, kRows> sides_{};
    std::array<QLabel*, kRows> numbers_{};
    QLabel* notesCaption_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    int selectedRow_ = 0;
    // The task of the row whose other side is being assessed, for the row it adds.
    QString pendingTask_;
    OneLineField* title_ = nullptr;
    OneLineField* site_ = nullptr;
    OneLineField* assessor_ = nullptr;
    QDateEdit* observed_ = nullptr;
    // Left off the page: the buttons and the details' band.
    std::vector<QWidget*> offPaper_;
    std::vector<QWidget*> columnRules_; // the blue rules between the columns
    QPointer<QMessageBox> askingToClear_;
    FileDialog fileDialog_;
    bool showing_ = false;
};

} // namespace rula
