#pragma once

// Creates the four windows once, in this order: the main window, the matches
// window, the percentages window and the hits window. Each sets its global
// reference as it is created. The slip they hold counts as unchanged then.
void crea_ventanas();

// Ends them in the reverse order (tests start every case afresh).
void destruye_ventanas();
