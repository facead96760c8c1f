// The rule every value of the knuckle-joint designer must pass, shared by
// the dialog and the command line so both answer a bad value alike.
#pragma once

#include <QString>

// Reads strText as a real number from kKnuckleMinValue to kKnuckleMaxValue.
// Returns an empty text and sets dValue when it is one; otherwise returns
// the message for the user and leaves dValue alone.
QString ReadKnuckleValue(const QString& strText, double& dValue);
