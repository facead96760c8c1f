#include "cli/knucklejson.h"

#include "knuckle/knucklevalue.h"

#include <QLocale>

bool ReadKnuckleArguments(const KnuckleArguments& args, KnuckleInput& input, QString* pstrError)
{
    const struct {
        const char* pszOption;
        const QString& strText;
        double& dValue;
    } fields[] = {
        {"--crushing", args.m_strCrushing, input.m_dCrushing},
        {"--load", args.m_strLoad, input.m_dLoad},
        {"--shear", args.m_strShear, input.m_dShear},
        {"--tensile", args.m_strTensile, input.m_dTensile},
    };
    for (const auto& field : fields) {
        const QString strMessage = ReadKnuckleValue(field.strText, field.dValue);
        if (!strMessage.isEmpty()) {
            *pstrError = QStringLiteral("%1: %2").arg(QLatin1String(field.pszOption), strMessage);
            return false;
        }
    }
    return true;
}

// Written by hand: a JSON object from Qt would sort the keys, and scripts
// read the sizes in the order of the joint.
QByteArray KnuckleDimensionsToJson(const KnuckleDimensions& dims)
{
    const struct {
        const char* pszKey;
        int nValue;
    } sizes[] = {
        {"d1", dims.m_nD1}, {"d2", dims.m_nD2}, {"d3", dims.m_nD3}, {"d4", dims.m_nD4},
        {"t", dims.m_nT},   {"t1", dims.m_nT1}, {"t2", dims.m_nT2}, {"e6", dims.m_nE6},
        {"e8", dims.m_nE8}, {"L1", dims.m_nL1}, {"L2", dims.m_nL2},
    };
    // The shortest text that reads back as the same double.
    QByteArray json = "{\"d\": "
        + QLocale::c().toString(dims.m_dRod, 'g', QLocale::FloatingPointShortest).toLatin1();
    for (const auto& size : sizes)
        json += ", \"" + QByteArray(size.pszKey) + "\": " + QByteArray::number(size.nValue);
    return json + "}\n";
}
