// One printer for the whole program: the printer and paper chosen in
// Print Setup, with or without a drawing open, are the ones every drawing
// prints and previews with.
#pragma once

class QPrinter;

// Made on first use; deleted as the application object goes.
QPrinter* SharedPrinter();
