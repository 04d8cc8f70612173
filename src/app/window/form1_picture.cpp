#include "app/window/form1.h"

namespace wed {

// Shows the small picture of the current item.
void Form1::Form1_Option1_Click() {}

// Shows the large picture of the current item.
void Form1::Form1_Option2_Click() {}

// Estimates the price range of the current implant.
void Form1::Command1_Click() {}

} // namespace wed
