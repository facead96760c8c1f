#include "platform/object.h"

void CObject::Serialize(CArchive&)
{
}
