#include "knuckle/knucklevalue.h"

#include "knuckle/knucklejoint.h"

QString ReadKnuckleValue(const QString& strText, double& dValue)
{
    bool bOk = false;
    // Surrounding blanks are allowed; the decimal point is always a point.
    const double d = strText.trimmed().toDouble(&bOk);
    if (!bOk)
        return QStringLiteral("Please enter a number.");
    // Written so that "nan", which compares false with everything, fails too.
    if (!(d >= kKnuckleMinValue && d <= kKnuckleMaxValue))
        return QStringLiteral("Please enter a number between %1 and %2.")
            .arg(kKnuckleMinValue)
            .arg(kKnuckleMaxValue);
    dValue = d;
    return {};
}
