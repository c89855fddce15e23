// The main window's Copy and Help commands and its message boxes.
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "pictures/pictures.h"
#include "ui/clipboard.h"
#include "ui/help_texts.h"
#include "ui/locale_format.h"
#include "ui/main_window.h"
#include "ui/screen_fit.h"
#include "ui/translation.h"

namespace qav {
namespace {

// The help and about texts in the window's language: their English is the translation's source.
QString HelpText(const std::string& english) { return QCoreApplication::translate("qav::HelpTexts", english.c_str()); }

}  // namespace

void MainWindow::showUsingHelp() noexcept
{
    guarded([&] {
        if (!usingHelp_) {
            // A window of its own, not modal, so the help can stay open beside the chart.
            usingHelp_ = new QDialog(this);
            usingHelp_->setObjectName(QStringLiteral("UsingQavHelp"));
            usingHelp_->setWindowTitle(tr("Using QAV"));
            auto* text = new QTextBrowser(usingHelp_);
            text->setObjectName(QStringLiteral("UsingQavText"));
            text->setAccessibleName(tr("Using QAV"));
            text->setHtml(UsingQavHtml());
            auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, usingHelp_);
            connect(buttons, &QDialogButtonBox::rejected, usingHelp_, &QDialog::close);
            auto* layout = new QVBoxLayout(usingHelp_);
            layout->addWidget(text);
            layout->addWidget(buttons);
            FitToScreen(usingHelp_, QSize(640, 560));
        }
        usingHelp_->show();
        usingHelp_->raise();
        usingHelp_->activateWindow();
    });
}

void MainWindow::copyChart() noexcept
{
    guarded([&] {
        CopyImageToClipboard(RenderPictureImage(PictureKind::Chart, state_, devicePixelRatio_, ChartDecimalSeparator(),
                                                PictureLanguage()));
    });
}

void MainWindow::copyGraphic() noexcept
{
    guarded([&] {
        CopyImageToClipboard(RenderPictureImage(PictureKind::Graph, state_, devicePixelRatio_, ChartDecimalSeparator(),
                                                PictureLanguage()));
    });
}

void MainWindow::copyTable() noexcept
{
    guarded([&] {
        CopyTextToClipboard(
            ResultsTableClipboardText(state_, LocaleDecimalPoint(), atScreenSize_ ? screenBasisNote() : QString()));
    });
}

void MainWindow::showFileFormatHelp() noexcept
{
    guarded([&] { showHelpBox(FileFormatHelpText()); });
}

void MainWindow::showProgramAbout() noexcept
{
    guarded([&] { showHelpBox(ProgramAboutText()); });
}

void MainWindow::showWhatIfHelp() noexcept
{
    guarded([&] { showHelpBox(WhatIfHelpText()); });
}

void MainWindow::showClimaticDataAbout() noexcept
{
    guarded([&] {
        showHelpBox(ClimaticDataAboutText(), HelpText(StationCatalogueAboutText()) + HelpText(PlaceListAboutText()));
    });
}

void MainWindow::showHelpBox(const MessageText& box, const QString& more)
{
    showMessage(QMessageBox::Information, HelpTitle(box.Title), HelpText(box.Text) + more);
}

void MainWindow::showMessage(QMessageBox::Icon icon, const QString& title, const QString& text)
{
    if (messageSink_) {
        messageSink_(icon, title, text);
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);  // the texts are plain lines; keep their blanks and breaks
    // A short text makes a narrow box, whose title bar then cuts the title: keep room for it.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titleWidth = box.fontMetrics().horizontalAdvance(title) + 160;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
    box.exec();
}

}  // namespace qav
