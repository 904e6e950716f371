#pragma once
// The summary sheet window's entries: everything the summary sheet and the Cabrillo
// file need that the contest state does not hold. Texts are kept exactly as typed.

#include <string>

namespace vantor {

struct SummaryDetails {
    enum class LicenseClass { None, Novice, Technician, Other };
    enum class Category {
        None,
        SingleOp,         // Option11
        SingleOpAssisted, // Option12
        MultiOne,         // Option13
        MultiTwo,         // Option14
        MultiMulti,       // Option15
        SchoolClub,       // Option16
        Checklog          // Option17
    };
    enum class Power { None, QRP, Low, High }; // Option20, Option19, Option18

    LicenseClass ownClass = LicenseClass::Other;     // Frame1: Option1..Option3
    std::string operatorCall;                        // Text1
    LicenseClass operatorClass = LicenseClass::None; // Frame2: Option4, Option8, Option5
    bool singleOperator = true;                      // Frame3: Option6 / Option7
    Category category = Category::SingleOp;          // Frame5
    std::string operators;                           // Text2
    Power power = Power::Low;                        // Frame6
    std::string rigs;                                // Text3
    std::string powerOutput;                         // Text9
    std::string antennas;                            // Text4
    std::string name;                                // Text5
    bool clubParticipation = false;                  // Frame4: Option9 / Option10
    std::string club;                                // Text10
    std::string address1;                            // Text6
    std::string address2;                            // Text7
    std::string email;                               // Text8
    std::string soapbox;                             // Text11

    bool operator==(const SummaryDetails&) const = default;
};

} // namespace vantor
