#pragma once
#include "ShellFixture.h"
#include "TppViewer.h"

#include <QFile>
#include <QImage>
#include <QProcess>

class SampleFile : public ImportFileChooser {
public:
    std::optional<QString> chooseImportFile() override { return name; }
    QString name;
};

// The main window with the sample export imported: 342 transactions, seven pages.
class PreviewFixture : public ShellFixture {
protected:
    std::unique_ptr<TMainForm> sampleForm() {
        MainFormServices s = services();
        chooser.name = programFile("sample.csv");
        QFile::copy(SPENDRAKE_SAMPLE, chooser.name);
        s.importFileChooser = &chooser;
        s.pdfExportFile = [this](const QString &suggested) {
            suggestedPdf = suggested;
            return pdfFile;
        };
        auto form = std::make_unique<TMainForm>(s);
        prompt.answers = {Prompt::Answer::Yes, Prompt::Answer::No};  // empty the table; keep the file
        form->guarded([&] { form->Open1Click(); });
        prompt.asked.clear();
        return form;
    }

    // Page images of a PDF file as poppler draws them, at `dpi`.
    static QImage rasterisedPage(const QString &pdf, int page, int dpi, const QString &folder) {
        const QString stem = folder + "/raster";
        QProcess::execute("pdftoppm", {"-r", QString::number(dpi), "-f", QString::number(page), "-l",
                                       QString::number(page), "-png", "-singlefile", pdf, stem});
        return QImage(stem + ".png");
    }

    static int pdfPageCount(const QString &pdf) {
        QProcess info;
        info.start("pdfinfo", {pdf});
        info.waitForFinished();
        for (const QString &line : QString::fromUtf8(info.readAllStandardOutput()).split('\n'))
            if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
        return -1;
    }

    SampleFile chooser;
    QString pdfFile;
    QString suggestedPdf;
};
