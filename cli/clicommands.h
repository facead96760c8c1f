// The commands of the headless tool. Each returns the exit status and
// writes one line to standard error when it fails; none leaves an output
// file behind on failure.
#pragma once

#include "cli/knucklejson.h"

#include <QString>

#include <functional>
#include <optional>

class CMyDrevikDoc;
class QIODevice;

// Exit statuses of korvada-cli.
enum CliStatus {
    kCliSuccess = 0,
    kCliUsage = 1,
    kCliBadInput = 2,
    kCliBadOutput = 3,
};

// Prints the drawing as JSON on standard output.
int DumpCommand(const QString& strDrawing);
// Writes the drawing that the JSON file (or "-", standard input) describes.
int PackCommand(const QString& strJson, const QString& strDrawing);
// Paints the drawing on the whole canvas into a PNG file: every figure, or
// figures 0 to nStep; grid dots on top when bGrid is set. Past
// dTimeoutSeconds it gives up with kCliBadInput and writes nothing.
int RenderCommand(const QString& strDrawing, const QString& strImage, bool bGrid,
                  std::optional<int> nStep, std::optional<double> dTimeoutSeconds = std::nullopt);

// Writes the visible drawing (every figure, or figures 0 to nStep) to
// strOut as PNG at dScale times the screen resolution, as PDF (on the
// printer's pages when bPages is set) or as SVG; the extension says which.
int ExportCommand(const QString& strDrawing, const QString& strOut, std::optional<int> nStep, double dScale,
                  bool bPages = false);

// Designs a knuckle joint and prints its sizes as JSON; with strDrawing
// also writes its drawing, after the figures of strInto when one is named.
int KnuckleCommand(const KnuckleArguments& args, const QString& strDrawing, const QString& strInto);

// Parses the command line (arguments[0] is the program) and runs the command.
int RunCli(const QStringList& arguments);

// Loads the drawing the way the program opens it; says why not on failure.
bool OpenDrawing(CMyDrevikDoc& doc, const QString& strDrawing);
// The whole file or nothing, and never in place of a device or a pipe.
int WriteOutput(const QString& strPath, const std::function<bool(QIODevice&)>& fnWrite);

// One line on standard error.
void PrintError(const QString& strMessage);
