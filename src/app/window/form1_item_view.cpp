#include "app/window/form1.h"

namespace wed {

// Shows the selected item in its category's fields. The record views fill this in.
void Form1::List1_Click() {
    setEditGate(0);
    setEditGate(1);
}

// Reads the implant skill costs from Text00 into the tags of their labels.
void Form1::LoadSkillCosts() {
    setEditGate(0);
}

} // namespace wed
