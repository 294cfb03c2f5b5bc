#include "frontend/compliance_vocabulary.h"

#include <iterator>

namespace velmora {

namespace {

// Key layout (GetHash_Placard): bits 0-4 letter index (A = 1), bits 5-7
// division, bits 8-11 class, bit 12 set for every placard but DANGEROUS,
// bit 13 set when the placard shows the identification number.  Class 1
// keys carry no letter, so every explosive of one division shares a picture.
constexpr PlacardPicture kPictures[] = {
    // Placards without number.
    {0x1100, "IDB_P_P10", "Explosives"},
    {0x1120, "IDB_P_P11", "Explosives"},
    {0x1140, "IDB_P_P12", "Explosives"},
    {0x1160, "IDB_P_P13", "Explosives"},
    {0x1180, "IDB_P_P14", "Explosives"},
    {0x11A0, "IDB_P_P15", "Explosives"},
    {0x11C0, "IDB_P_P16", "Explosives"},
    {0x1220, "IDB_P_P21", "Flammable Gas"},
    {0x1240, "IDB_P_P22", "Non-Flammable Gas"},
    {0x124F, "IDB_P_P22O", "Oxygen"},
    {0x1260, "IDB_P_P23", "Poison Gas"},
    {0x1300, "IDB_P_P30", "Flammable"},
    {0x1303, "IDB_P_P30C", "Combustible"},
    {0x1306, "IDB_P_P30F", "Fuel Oil"},
    {0x1307, "IDB_P_P30G", "Gasoline"},
    {0x1420, "IDB_P_P41", "Flammable Solid"},
    {0x1440, "IDB_P_P42", "Spontaneously Combustible"},
    {0x1460, "IDB_P_P43", "Dangerous When Wet"},
    {0x1520, "IDB_P_P51", "Oxidizer"},
    {0x1540, "IDB_P_P52", "Organic Peroxide"},
    {0x154F, "IDB_P_P52O", "Organic Peroxide"},
    {0x1620, "IDB_P_P61", "Poison"},
    {0x1621, "IDB_P_P61A", "Poison Inhalation Hazard"},
    {0x1634, "IDB_P_P61T", "Poison PG III"},
    {0x1637, "IDB_P_P61W", "Poison Keep Away From Food"},
    {0x1638, "IDB_P_P610", "Toxic"},
    {0x1640, "IDB_P_P62", "Infectious Substance"},
    {0x1700, "IDB_P_P70", "Radioactive"},
    {0x1800, "IDB_P_P80", "Corrosive"},
    {0x1900, "IDB_P_P90", "Miscellaneous"},
    // Keys without bit 12; DANGEROUS is the only one the engine produces.
    {0x0004, "IDB_P_S00D", "Dangerous"},
    {0x0100, "IDB_P_S10", "Explosives"},
    {0x0180, "IDB_P_S14", "Explosives"},
    {0x01A0, "IDB_P_S15", "Explosives"},
    {0x01C0, "IDB_P_S16", "Explosives"},
    {0x0220, "IDB_P_S21", "Flammable Gas"},
    {0x0240, "IDB_P_S22", "Non-Flammable Gas"},
    {0x024F, "IDB_P_S22O", "Oxygen"},
    {0x0260, "IDB_P_S23", "Poison Gas"},
    {0x0300, "IDB_P_S30", "Flammable"},
    {0x0303, "IDB_P_S30C", "Combustible"},
    {0x0306, "IDB_P_S30F", "Fuel Oil"},
    {0x0307, "IDB_P_S30G", "Gasoline"},
    {0x0420, "IDB_P_S41", "Flammable Solid"},
    {0x0440, "IDB_P_S42", "Spontaneously Combustible"},
    {0x0460, "IDB_P_S43", "Dangerous When Wet"},
    {0x0520, "IDB_P_S51", "Oxidizer"},
    {0x0540, "IDB_P_S52", "Organic Peroxide"},
    {0x054F, "IDB_P_S52O", "Organic Peroxide"},
    {0x0620, "IDB_P_S61", "Poison"},
    {0x0621, "IDB_P_S61A", "Poison Inhalation Hazard"},
    {0x0634, "IDB_P_S61T", "Poison PG III"},
    {0x0637, "IDB_P_S61W", "Poison Keep Away From Food"},
    {0x0640, "IDB_P_S62", "Infectious Substance"},
    {0x0700, "IDB_P_S70", "Radioactive"},
    {0x0800, "IDB_P_S80", "Corrosive"},
    {0x0900, "IDB_P_S90", "Miscellaneous"},
    // Placards showing the identification number (172.332, 172.336).
    {0x3220, "IDB_P_B21", "Bulk Flammable Gas"},
    {0x3240, "IDB_P_B22", "Bulk Non-Flammable Gas"},
    {0x324F, "IDB_P_B22O", "Bulk Oxygen"},
    {0x3260, "IDB_P_B23", "Bulk Poison Gas"},
    {0x3300, "IDB_P_B30", "Bulk Combustible/Flammable"},
    {0x3303, "IDB_P_B30C", "Bulk Combustible"},
    {0x3420, "IDB_P_B41", "Bulk Flammable Solid"},
    {0x3440, "IDB_P_B42", "Bulk Spontaneously Combustible"},
    {0x3460, "IDB_P_B43", "Bulk Dangerous When Wet"},
    {0x3520, "IDB_P_B51", "Bulk Oxidizer"},
    {0x3540, "IDB_P_B52", "Bulk Organic Peroxide"},
    {0x354F, "IDB_P_B52O", "Bulk Organic Peroxide"},
    {0x3620, "IDB_P_B61", "Bulk Poison"},
    {0x3621, "IDB_P_B61A", "Bulk Poison Inhalation Hazard"},
    {0x3637, "IDB_P_B61W", "Bulk Poison Keep Away From Food"},
    {0x3800, "IDB_P_B80", "Bulk Corrosive"},
    {0x3900, "IDB_P_B90", "Bulk Miscellaneous"},
};

constexpr MarkingKind kMarkings[] = {
    {1, "Identification number (single material, non-bulk)", "49CFR172.301(a)(3)", nullptr, 50, 25},
    {2, "Identification number (poison inhalation hazard, non-bulk)", "49CFR172.313(c)", nullptr, 50, 25},
    {3, "Identification number (bulk packaging)", "49CFR172.302(a)", nullptr, 50, 25},
    {4, "Fuel Oil", "49CFR172.336(c)", "IDB_FUEL_OIL_MARKING", 105, 25},
    {5, "Gasoline", "49CFR172.336(c)", "IDB_GASOLINE_MARKING", 105, 25},
    {6, "Inhalation Hazard", "49CFR172.102(13)", "IDB_INHAL_HAZ_MARKING", 105, 25},
    {7, "Shipping name", "49CFR172.328(b)", nullptr, 0, 25},
    {8, "Marine Pollutant", "49CFR172.322", "IDB_MARPOL_MARKING", 100, 100},
    {9, "Molten Sulfur", "49CFR172.325(b)", "IDB_MOLTEN_SULFUR", 100, 100},
    {10, "Molten Aluminum", "49CFR172.325(b)", "IDB_MOLTEN_ALUMINUM", 100, 100},
    {11, "HOT", "49CFR172.325(a)", "IDB_HOT_MARKING", 100, 100},
    {12, "Non-Odorized", "49CFR172.328(e)", "IDB_NON_ODORIZED_MARKING", 105, 25},
    {13, "Sour Crude Oil", "49CFR172.327", "IDB_SOUR_CRUDE_MARKING", 100, 100},
};

// "\xC2\xA7" is the section sign in UTF-8; the literal is split after it
// so that the digits of the section do not continue the escape.
constexpr const char *kClick = "\n\nClick to view the regulation.";

} // namespace

const PlacardPicture *FindPlacardPictureByKey(unsigned key)
{
    for (const PlacardPicture &p : kPictures)
        if (p.key == key)
            return &p;
    return nullptr;
}

unsigned PlacardPictureKey(unsigned hash, int hazardClass, bool showsNumber, char rawLetter)
{
    unsigned key = hash & 0x3FFFu;
    if (hazardClass == 3 && showsNumber) {
        key &= ~0x1Fu;
        if (rawLetter == 'F' || rawLetter == 'C')
            key |= 3;  // FUEL OIL or COMBUSTIBLE with number: Bulk Combustible
    }
    return key;
}

const PlacardPicture *FindPlacardPicture(const Placard *placard)
{
    return FindPlacardPictureByKey(PlacardPictureKey(GetHash_Placard(placard), GetClass_Placard(placard),
                                                     IsBulk_Placard(placard) != 0,
                                                     GetRawCompatGroup_Placard(placard)));
}

int PlacardPictureCount()
{
    return static_cast<int>(std::size(kPictures));
}

std::string MessageHeading(int type)
{
    static const char *const kHeadings[] = {
        "Radiation",   "Do Not Load",     "Segregate",       "Indefinite",
        "Information", "Permit Required", "Possible Permit",
    };
    if (type < 0 || type >= static_cast<int>(std::size(kHeadings)))
        return {};
    return kHeadings[type];
}

std::string MessageIconResource(int type, int messageCode)
{
    if (type == 3) {
        switch (messageCode) {
        case 13: return "IDI_SEG_DETONATORS";
        case 15: return "IDI_SEG_GROUP_G";
        case 19: return "IDI_SEG_SAMECLASS_DIFSUBS";
        case 29: return "IDI_SEG_CYANIDES_MAYBE";
        case 32: return "IDI_SEG_UNKNOWN_EXPLOSIVE";
        default: return "IDI_SEG_NOTSURE";
        }
    }
    static const char *const kIcons[] = {
        "IDI_SEG_RADIATION", "IDI_SEG_DONOTLOAD", "IDI_SEG_SEGREGATION", "IDI_SEG_NOTSURE",
        "IDI_SEG_MESSAGE",   "IDI_SEG_PERMIT",    "IDI_SEG_POSSPERMIT",
    };
    if (type < 0 || type >= static_cast<int>(std::size(kIcons)))
        return {};
    return kIcons[type];
}

std::string MarkingHoverText(int type, const std::string &shippingName)
{
    switch (type) {
    case 1:
        return std::string("49 CFR \xC2\xA7" "172.301(a)(3):\n\nA transport vehicle or freight container containing "
                           "only a single hazardous material in non-bulk packages must be marked, on each side and "
                           "each end ... with the identification number specified ... subject to the following "
                           "provisions and limitations...") + kClick;
    case 2:
        return std::string("49 CFR \xC2\xA7" "172.313(c)\n\nA transport vehicle or freight container containing a "
                           "material poisonous by inhalation in non-bulk packages shall be marked ... with the "
                           "identification number ... subject to the following provisions and limitations...") +
               kClick;
    case 3:
        return std::string("49 CFR \xC2\xA7" "172.302(a):\n\nExcept as otherwise provided in this subpart, no person "
                           "may offer for transportation or transport a hazardous material in a bulk packaging "
                           "unless the packaging is marked ... with the identification number... ") + kClick;
    case 4:
    case 5: {
        const char *lower = type == 4 ? "fuel oil" : "gasoline";
        const char *marked = type == 4 ? "Fuel Oil" : "Gasoline";
        return std::string("49 CFR \xC2\xA7" "172.336(c):\n\nIdentification numbers are not required on a cargo tank "
                           "containing only ") + lower + ", if the cargo tank is marked \"" + marked +
               "\" on each side..." + kClick;
    }
    case 6:
        return std::string("49 CFR \xC2\xA7" "172.102(13):\n\nThe words \"Inhalation Hazard\" ... shall be marked on "
                           "two opposing sides of each bulk package.") + kClick;
    case 7:
        return std::string("49 CFR \xC2\xA7" "172.328(b):\n\nThe cargo tank must be marked on each side on each end "
                           "with the words \"") + shippingName + "\" or an " + "appropriate common name." + kClick;
    case 8:
        return std::string("49 CFR \xC2\xA7" "172.322:\n\nA marine pollutant marking is required for this load.") +
               kClick;
    case 9:
    case 10:
        return std::string("49 CFR \xC2\xA7" "172.325(b):\n\nA ") + (type == 9 ? "molten sulfur" : "molten aluminum") +
               " marking is required for this load." + kClick;
    case 11:
        return std::string("49 CFR \xC2\xA7" "172.325(a):\n\nA bulk packaging containing an elevated temperature "
                           "material requires the \"HOT\" marking on two opposing sides.") + kClick;
    case 12:
        return std::string("49 CFR \xC2\xA7" "172.328(e):\n\nA cargo tank containing liquefied petroleum gas that is "
                           "unodorized must be legibly marked NON-ODORIZED or NOT ODORIZED.") + kClick;
    case 13:
        return std::string("49 CFR \xC2\xA7" "172.327:\n\nA Bulk packaging used to transport Sour Crude Oil may "
                           "present an inhalation hazard and must be marked to warn of the toxic hazard.") + kClick;
    default:
        return {};
    }
}

const MarkingKind *FindMarkingKind(int type)
{
    for (const MarkingKind &m : kMarkings)
        if (m.type == type)
            return &m;
    return nullptr;
}

} // namespace velmora
