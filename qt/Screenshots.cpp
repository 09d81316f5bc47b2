#include "qt/Screenshots.hpp"

#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "qt/ComboBoxPeer.hpp"
#include "qt/DialogPageWindow.hpp"
#include "qt/FormView.hpp"
#include "qt/PropertyDialogWindow.hpp"
#include "qt/QtEnvironment.hpp"
#include "qt/SheetGrid.hpp"
#include "qt/StudioWindow.hpp"
#include "qt/StudioWorkbook.hpp"
#include "qt/Twips.hpp"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QDir>
#include <QHelpEvent>
#include <QScrollBar>
#include <QTabWidget>

#include <cstdio>

namespace vantor::qt {

namespace {

// "Format Cells - 2 - Alignment" gives "format-cells-2-alignment.png".
QString FileName(const QString& name) {
    QString file;
    for (const QChar c : QString(name).remove('&').toLower()) {
        file += c.isLetterOrNumber() ? c : QChar('-');
    }
    while (file.contains("--")) {
        file.replace("--", "-");
    }
    return file + ".png";
}

bool Save(QWidget& widget, const QDir& dir, const QString& name) {
    QApplication::processEvents();
    const bool saved = widget.grab().save(dir.filePath(name));
    if (!saved) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(dir.filePath(name)));
    }
    return saved;
}

void Put(const std::shared_ptr<model::Application>& app, const std::string& address,
         const Variant& value, const std::vector<std::pair<const char*, Variant>>& formats = {}) {
    const ObjectRef range(app->RangeOf(address));
    range.Put("Value", value);
    for (const auto& [member, setting] : formats) {
        range.Put(member, setting);
    }
    range.Call("Apply");
}

// How the grid shows what does not fit, and a note under the resting mouse.
int WriteGridDisplays(const std::shared_ptr<model::Application>& app, StudioWindow& window,
                      const QDir& dir) {
    app->AddWorkbook("Display");
    ObjectRef(app->RangeOf("B:C")).Put("ColumnWidth", Variant(7.0));
    Put(app, "A1", Variant("Numbers and dates too wide for their column show #:"),
        {{"WrapText", Variant(false)}});
    Put(app, "B2", Variant(1234567.891), {{"NumberFormat", Variant("#,##0.00")}});
    Put(app, "C2", Variant::Date(46363), {{"NumberFormat", Variant("yyyy-mm-dd")}});
    Put(app, "D2", Variant(12.5));
    Put(app, "A4", Variant("Left-aligned text spills to the right"));
    Put(app, "F5", Variant("Right-aligned text spills to the left"),
        {{"HorizontalAlignment", Variant(enums::HAlign::Right)}});
    Put(app, "D6", Variant("Centred text spills both ways"),
        {{"HorizontalAlignment", Variant(enums::HAlign::Center)}});
    Put(app, "A7", Variant("Text cut by a filled neighbour"));
    Put(app, "B7", Variant(42.0));
    Put(app, "A8", Variant("Wrapped text stays in its cell"), {{"WrapText", Variant(true)}});
    ObjectRef(app->RangeOf("A8")).Call("AutoFitRowsHeight");
    ObjectRef(app->RangeOf("D2")).Call("AddComment", Variant("Rests under the mouse: the note shows."));
    window.Refresh();
    window.Grid()->Select({9, 0, 9, 0});
    int written = Save(window, dir, "grid-cut-and-spilled.png") ? 1 : 0;

    const QPoint onNote = window.Grid()->CellRect(1, 3).center();
    QHelpEvent rest(QEvent::ToolTip, onNote, window.Grid()->viewport()->mapToGlobal(onNote));
    QApplication::sendEvent(window.Grid()->viewport(), &rest);
    written += Save(window, dir, "grid-note-on-hover.png") ? 1 : 0;
    return written;
}

// Merge areas, shrunk and wrapped text, General numbers in a narrow column,
// and frozen panes with coloured gridlines.
int WriteGridLayouts(const std::shared_ptr<model::Application>& app, StudioWindow& window,
                     const QDir& dir) {
    app->AddWorkbook("Layouts");
    ObjectRef(app->RangeOf("A:A")).Put("ColumnWidth", Variant(22.0));
    ObjectRef(app->RangeOf("B:C")).Put("ColumnWidth", Variant(9.0));
    Put(app, "B2", Variant("Merged B2:D4, centred"),
        {{"HorizontalAlignment", Variant(enums::HAlign::Center)},
         {"VerticalAlignment", Variant(enums::VAlign::Center)}});
    {
        const ObjectRef title(app->RangeOf("B2"));
        title.Get("Interior").ToObject().Put("Color", Variant(0xF2E6D9));
        title.Get("Font").ToObject().Put("Bold", Variant(true));
        title.Call("Apply");
    }
    Put(app, "C3", Variant("hidden under the area"));
    ObjectRef(app->RangeOf("B2:D4")).Call("Merge");
    {
        const ObjectRef outline(app->RangeOf("B2:D4"));
        for (const int edge : {enums::BorderIndex::EdgeTop, enums::BorderIndex::EdgeBottom,
                               enums::BorderIndex::EdgeLeft, enums::BorderIndex::EdgeRight}) {
            outline.Get("Borders").ToObject().Call("Item", Variant(edge)).ToObject().Put(
                "LineStyle", Variant(enums::LineStyle::Continuous));
        }
        outline.Call("Apply");
    }
    Put(app, "A6", Variant("Shrink to fit:"));
    Put(app, "B6", Variant("Shrunk to fit its cell"), {{"ShrinkToFit", Variant(true)}});
    Put(app, "A7", Variant("The same, wrapped:"));
    Put(app, "B7", Variant("Shrunk to fit its cell"), {{"WrapText", Variant(true)}});
    ObjectRef(app->RangeOf("B7")).Call("AutoFitRowsHeight");
    Put(app, "A8", Variant("A long word, wrapped:"));
    Put(app, "B8", Variant("Extraordinarily"), {{"WrapText", Variant(true)}});
    ObjectRef(app->RangeOf("8:8")).Put("RowHeight", Variant(30.0));
    Put(app, "A9", Variant("General, too wide:"));
    Put(app, "B9", Variant(3.14159265358979));
    Put(app, "C9", Variant(123456789012.0));
    Put(app, "A10", Variant("Fixed format, too wide:"));
    Put(app, "B10", Variant(123456789.0), {{"NumberFormat", Variant("#,##0.00")}});
    window.Refresh();
    window.Grid()->Select({11, 0, 11, 0});
    int written = Save(window, dir, "grid-merged-shrunk-wrapped.png") ? 1 : 0;

    app->AddWorkbook("Frozen");
    for (int32_t r = 1; r <= 60; ++r) {
        Put(app, "A" + std::to_string(r + 1), Variant("Item " + std::to_string(r)));
        for (int32_t c = 1; c <= 12; ++c) {
            Put(app, model::ColumnName(c) + std::to_string(r + 1), Variant(double(r * c)));
        }
    }
    for (int32_t c = 1; c <= 12; ++c) {
        Put(app, model::ColumnName(c) + "1", Variant("Month " + std::to_string(c)),
            {{"HorizontalAlignment", Variant(enums::HAlign::Center)}});
    }
    const ObjectRef sheet(app->ActiveWorkbook()->ActiveSheet());
    sheet.Put("SplitRow", Variant(1));
    sheet.Put("SplitColumn", Variant(1));
    sheet.Put("GridlineColorIndex", Variant(41)); // a light blue
    window.Refresh();
    window.Grid()->Select({30, 5, 30, 5});
    window.Grid()->verticalScrollBar()->setValue(20);
    window.Grid()->horizontalScrollBar()->setValue(4);
    written += Save(window, dir, "grid-frozen-panes.png") ? 1 : 0;
    return written;
}

// A format code the number page refuses: the dialog stays open with the bad
// part of the code selected, and the message says what is wrong. The message
// box is a window of its own, so it is drawn over the dialog as a desktop
// shows it.
int WriteRefusedCode(StudioWindow& window, const QDir& dir) {
    window.Grid()->Select({1, 1, 1, 1});
    const auto dialog = window.CreateDialog(*host::DialogCatalogue::Find("Format Cells"));
    dialog->show();
    QApplication::processEvents();
    dialog->View(0)->Model().Control("txtFormatCode").UserType("0.00\"abc");
    QPixmap message;
    {
        // A message box shown for real, grabbed and closed at once.
        QtEnvironment shown;
        EnvironmentScope scope(shown);
        QTimer::singleShot(0, [&message] {
            if (auto* box = dynamic_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->grab();
                box->accept();
            }
        });
        dialog->OkButton()->click();
    }
    QApplication::processEvents();
    QPixmap picture = dialog->grab();
    if (!message.isNull()) {
        QPainter painter(&picture);
        const QPoint corner((picture.width() - message.width()) / 2,
                            (picture.height() - message.height()) / 2);
        painter.fillRect(QRect(corner + QPoint(3, 3), message.size()), QColor(0, 0, 0, 60));
        painter.drawPixmap(corner, message);
        painter.setPen(QColor(120, 120, 120));
        painter.drawRect(QRect(corner, message.size()).adjusted(0, 0, -1, -1));
    }
    dialog->reject();
    const bool saved = !message.isNull() && picture.save(dir.filePath("format-code-refused.png"));
    if (!saved) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(dir.filePath("format-code-refused.png")));
    }
    return saved ? 1 : 0;
}

// The cell styles dialog over a cell of a style of the workbook's own, its
// list of styles dropped down. The list is a window of its own, so it is
// drawn under its box as a desktop shows it.
int WriteStylesListed(const std::shared_ptr<model::Application>& app, StudioWindow& window,
                      const QDir& dir) {
    app->AddWorkbook("Styles");
    Put(app, "B2", Variant(1250.5));
    const ObjectRef styles = ObjectRef(app->ActiveWorkbook()).Get("Styles").ToObject();
    for (const char* name : {"Heading", "Highlight"}) {
        const ObjectRef style = styles.Call("Add", Variant(name)).ToObject();
        style.Get("Font").ToObject().Put("Bold", Variant(true));
        style.Get("Interior").ToObject().Put("Color", Variant(0x99FFFF));
        style.Call("Apply");
    }
    ObjectRef(app->RangeOf("B2")).Put("Style", Variant("Highlight"));
    window.Refresh();
    window.Grid()->Select({1, 1, 1, 1});
    const auto page = window.CreateDialogPage("CellStyles");
    if (page == nullptr) {
        return 0;
    }
    page->show();
    QApplication::processEvents();
    auto* peer = dynamic_cast<ComboBoxPeer*>(page->View()->Peer("cbxStyles"));
    if (peer == nullptr || peer->DropDown() == nullptr) {
        return 0;
    }
    QComboBox* box = peer->DropDown();
    box->showPopup();
    QApplication::processEvents();
    const QPixmap dialog = page->grab();
    const QPixmap dropped = box->view()->window()->grab();
    const QPoint under = box->mapTo(page.get(), QPoint(0, box->height()));
    // A list longer than the dialog hangs below it, as on a desktop.
    QPixmap picture(dialog.rect().united(QRect(under, dropped.size())).size());
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, dialog);
        painter.drawPixmap(under, dropped);
    }
    box->hidePopup();
    page->reject();
    const bool saved = picture.save(dir.filePath("cell-styles-listed.png"));
    if (!saved) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(dir.filePath("cell-styles-listed.png")));
    }
    return saved ? 1 : 0;
}

} // namespace

int WriteScreenshots(const QString& path) {
    QDir dir(path);
    if (!dir.mkpath(".")) {
        return -1;
    }
    QtEnvironment env(true);
    EnvironmentScope scope(env);

    const auto app = model::Application::Create();
    OpenStartWorkbook(app);
    StudioWindow window(app, ScreenDpi());
    window.show();
    int written = 0;
    written += Save(window, dir, "grid.png") ? 1 : 0;

    // The cell pages over a block of several cells, so that inside lines show.
    window.Grid()->Select({1, 1, 3, 2});
    for (const host::CatalogueDialog& dialog : host::DialogCatalogue::Dialogs()) {
        const auto dialogWindow = window.CreateDialog(dialog);
        dialogWindow->show();
        for (int i = 0; i < dialogWindow->Tabs()->count(); ++i) {
            dialogWindow->Tabs()->setCurrentIndex(i);
            const QString name = QString::fromStdString(dialog.name) + "-" +
                                 QString::number(i + 1) + "-" + dialogWindow->Tabs()->tabText(i);
            written += Save(*dialogWindow, dir, FileName(name)) ? 1 : 0;
        }
        for (const std::string& missing : dialogWindow->Missing()) {
            std::printf("%s: %s is not in this build\n", dialog.name.c_str(), missing.c_str());
        }
        dialogWindow->reject();
    }
    for (const std::string& className : host::DialogCatalogue::DialogStylePages()) {
        const auto pageWindow = window.CreateDialogPage(className);
        if (pageWindow == nullptr) {
            std::printf("%s is not in this build\n", className.c_str());
            continue;
        }
        pageWindow->show();
        written += Save(*pageWindow, dir, FileName(pageWindow->windowTitle())) ? 1 : 0;
        pageWindow->reject();
    }
    written += WriteRefusedCode(window, dir);
    written += WriteStylesListed(app, window, dir);
    written += WriteGridDisplays(app, window, dir);
    written += WriteGridLayouts(app, window, dir);
    return written;
}

} // namespace vantor::qt
