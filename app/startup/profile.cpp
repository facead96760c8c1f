#include "app/startup/profile.h"

#include <QSettings>

std::unique_ptr<QSettings> OpenProfile()
{
    return std::make_unique<QSettings>(kProfileCompany, kProfileApplication);
}
