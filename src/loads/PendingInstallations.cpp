// Stand-ins for the wall and tilted installations until their models land:
// they leave the cleared tables as they are.
#include "loads/LoadProcedures.h"

void LoadWall1R1C() {}
void LoadWall1R2C() {}
void LoadWall1R3C() {}
void LoadWall1R4C() {}
void LoadWall2R1C() {}
void LoadWall2R2C() {}
void LoadWall2R3C() {}
void LoadWall2R4C() {}

void LoadLongTilt1R1C() {}
void LoadLongTilt1R2C() {}
void LoadLongTilt1R3C() {}
void LoadLongTilt1R4C() {}
void LoadLongTilt2R1C() {}
void LoadLongTilt2R2C() {}
void LoadLongTilt2R3C() {}
void LoadLongTilt2R4C() {}

void LoadLatTilt1R1C() {}
void LoadLatTilt1R2C() {}
void LoadLatTilt1R3C() {}
void LoadLatTilt1R4C() {}
void LoadLatTilt2R1C() {}
void LoadLatTilt2R2C() {}
void LoadLatTilt2R3C() {}
void LoadLatTilt2R4C() {}
