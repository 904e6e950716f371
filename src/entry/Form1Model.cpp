#include "entry/Form1Model.h"

#include "core/SectionTable.h"

#include <stdexcept>

namespace vantor {

Form1Model::Form1Model() {
    txtNum.maxLength = NumLength;
    txtPre.maxLength = PreLength;
    txtCall.maxLength = CallLength;
    txtCK.maxLength = CkLength;
    txtSec.maxLength = SecLength;
    txtNum.tabIndex = 1;
    txtPre.tabIndex = 2;
    txtCall.tabIndex = 3;
    txtCK.tabIndex = 4;
    txtSec.tabIndex = 5;

    lblDialog.back = colours::Message;
    lblDialog.toolTip =
        "It is not necessary to press Space or Tab to tab unless the Callsign includes a \"/\".";
    lblDupe.back = colours::Grey;
    lblDupe.fontSize = 9.0;
    cmdDup.caption = "On";

    for (LabelModel* value : {&lblTotCon, &lblTotSec, &lblsectogo, &lblTotScore, &lblAQSO20,
                              &lblAQSO60, &lblNumCurCon}) {
        value->fore = colours::White;
        value->back = colours::DarkBlue;
    }
    Label1.caption = "PRE";
    Label2.caption = "CALL";
    Label3.caption = "CK";
    Label4.caption = "SEC";

    for (int r = 1; r <= MaxSectionRows; ++r) {
        LabelModel& cell = Label10[static_cast<std::size_t>(r)];
        cell.fore = colours::Unworked;
        cell.back = colours::Grey;
    }

    cmdLogOn.caption = "Log \"Time On\"";
    lblCurTime.caption = "Reg Time";
    Label16.caption = "am";
    lblutctime.caption = "UTC TIME";
    lbltimeon.caption = "00:00:00";
    lblttrack.caption = "00:00:00";
    lbltimeleft.caption = "24:00:00";
    Label30.caption = "160";

    cmdEdit = {"Edit Contact", false};
    cmdDelete = {"Delete Contact", false};
    cmdList = {"Last 20", true};
}

TextBoxModel& Form1Model::box(Field f) {
    return const_cast<TextBoxModel&>(static_cast<const Form1Model&>(*this).box(f));
}

const TextBoxModel& Form1Model::box(Field f) const {
    switch (f) {
    case Field::txtNum:
        return txtNum;
    case Field::txtPre:
        return txtPre;
    case Field::txtCall:
        return txtCall;
    case Field::txtCK:
        return txtCK;
    case Field::txtSec:
        return txtSec;
    case Field::None:
    case Field::Other:
        break;
    }
    throw std::invalid_argument("not an entry field");
}

} // namespace vantor
