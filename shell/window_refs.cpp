#include "shell/window_refs.h"

Tawal_menu* awal_menu = nullptr;
Tinfo* info = nullptr;
TDIALOG1* DIALOG1 = nullptr;
Tmenu1* menu1 = nullptr;
TDM* DM = nullptr;
Tgayrem* gayrem = nullptr;
TPM* PM = nullptr;
TTUNEUP* TUNEUP = nullptr;
Tumurrem* umurrem = nullptr;
Tdiagno* diagno = nullptr;
