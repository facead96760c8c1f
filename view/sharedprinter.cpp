#include "view/sharedprinter.h"

#include <QCoreApplication>
#include <QPrinter>

namespace {

QPrinter* s_pPrinter = nullptr;

void DeletePrinter()
{
    delete s_pPrinter;
    s_pPrinter = nullptr;
}

}  // namespace

QPrinter* SharedPrinter()
{
    if (!s_pPrinter) {
        s_pPrinter = new QPrinter(QPrinter::HighResolution);
        // Print support must still be there when the printer goes.
        qAddPostRoutine(DeletePrinter);
    }
    return s_pPrinter;
}
