// The commands of the headless tool. Each returns the exit status and
// writes one line to standard error when it fails; none leaves an output
// file behind on failure.
#pragma once

#include "cli/knucklejson.h"

#include <QString>

#include <optional>

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

// Designs a knuckle joint and prints its sizes as JSON; with strDrawing
// also writes its drawing, after the figures of strInto when one is named.
int KnuckleCommand(const KnuckleArguments& args, const QString& strDrawing, const QString& strInto);

// Parses the command line (arguments[0] is the program) and runs the command.
int RunCli(const QStringList& arguments);

// One line on standard error.
void PrintError(const QString& strMessage);
