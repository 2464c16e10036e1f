#include "records/UnitIdentity.h"

#include <cstdio>

namespace records {

const TUnitKind kHandsetKind{
    kHandsetType,
    "HS",
    PSKEY_HS_XSETTINGS,
    "Success to read ZENTA Handset settings.",
    "Fail to read ZENTA Handset settings.",
    "The device is not ZENTA Handset.",
    "The device is not ZENTA Fennic Series Handset.",
    "Success writing ZENTA Handset settings.\nReset device?",
    "Fail to write ZENTA Handset settings.",
};

const TUnitKind kGatewayKind{
    kGatewayType,
    "GW",
    PSKEY_GW_XSETTINGS,
    "Success to read ZENTA Gateway settings.",
    "Fail to read ZENTA Gateway settings.",
    "The device is not ZENTA Gateway.",
    "The device is not ZENTA Fennic Series Gateway.",
    "Success writing ZENTA Gateway settings.\nReset device?",
    "Fail to write ZENTA Gateway settings.",
};

TUnitIdentity IdentityOf(std::uint16_t unitTypeWord, std::uint16_t versionWord) {
    return {static_cast<std::uint16_t>(unitTypeWord & kUnitTypeMask), static_cast<std::uint16_t>(unitTypeWord & 0x00FF),
            versionWord};
}

std::string VersionText(const TUnitKind& kind, const TUnitIdentity& unit) {
    char text[64];
    std::snprintf(text, sizeof text, "%s: V%d.%d%d%s", kind.VersionPrefix, (unit.Version >> 8) & 0xF,
                  (unit.Version >> 4) & 0xF, unit.Version & 0xF, unit.Ardex() ? " Ardex" : " Kesto");
    return text;
}

bool OfNewerSeries(std::uint16_t type) { return type == kTavinHandsetType || type == kTavinGatewayType; }

std::string ForeignUnitMessage(std::uint16_t type) {
    if (OfNewerSeries(type))
        return "This programmer is for Fennic series only. Please use version 3.xx for this ZENTA Tavin model.";
    return std::string("Unknown ZENTA found. Please see ") + kSupportAddress + " for correct programmer.";
}

}  // namespace records
