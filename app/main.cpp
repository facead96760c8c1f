// Start-up of korvada: one window showing one drawing. A file named on the
// command line is opened; a file that cannot be read leaves the drawing
// empty.
#include "document/mydrevikdoc.h"
#include "view/mydrevikview.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvada"));

    CMyDrevikDoc doc;
    doc.OnNewDocument();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        QString strError;
        if (!doc.OnOpenDocument(args.at(1), &strError)) {
            const QString strShown = strError.isEmpty() ? QStringLiteral("Unexpected file format.") : strError;
            std::fprintf(stderr, "%s\n", qPrintable(strShown));
            doc.OnNewDocument();
        }
    }

    CMyDrevikView view(&doc);
    view.setWindowTitle(doc.GetTitle().isEmpty() ? QStringLiteral("Korvada")
                                                 : doc.GetTitle() + QStringLiteral(" - Korvada"));
    view.resize(900, 700);
    view.show();
    return app.exec();
}
