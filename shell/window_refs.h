#pragma once

// The ten windows of the program, each created once at start-up and reached
// everywhere through its global reference.
class Tawal_menu;
class Tinfo;
class TDIALOG1;
class Tmenu1;
class TDM;
class Tgayrem;
class TPM;
class TTUNEUP;
class Tumurrem;
class Tdiagno;

extern Tawal_menu* awal_menu;
extern Tinfo* info;
extern TDIALOG1* DIALOG1;
extern Tmenu1* menu1;
extern TDM* DM;
extern Tgayrem* gayrem;
extern TPM* PM;
extern TTUNEUP* TUNEUP;
extern Tumurrem* umurrem;
extern Tdiagno* diagno;
