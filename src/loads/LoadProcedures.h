#pragma once

// The forty load procedures: each works on state() alone, after the
// calculation step has cleared the load tables, and fills rows 1..N of the
// radial, lateral and equivalent load tables for the three phases.

void LoadHorizontal1R1C();
void LoadHorizontal1R2C();
void LoadHorizontal1R3C();
void LoadHorizontal1R4C();
void LoadHorizontal2R1C();
void LoadHorizontal2R2C();
void LoadHorizontal2R3C();
void LoadHorizontal2R4C();

void LoadVertical1R1C();
void LoadVertical1R2C();
void LoadVertical1R3C();
void LoadVertical1R4C();
void LoadVertical2R1C();
void LoadVertical2R2C();
void LoadVertical2R3C();
void LoadVertical2R4C();

void LoadWall1R1C();
void LoadWall1R2C();
void LoadWall1R3C();
void LoadWall1R4C();
void LoadWall2R1C();
void LoadWall2R2C();
void LoadWall2R3C();
void LoadWall2R4C();

void LoadLongTilt1R1C();
void LoadLongTilt1R2C();
void LoadLongTilt1R3C();
void LoadLongTilt1R4C();
void LoadLongTilt2R1C();
void LoadLongTilt2R2C();
void LoadLongTilt2R3C();
void LoadLongTilt2R4C();

void LoadLatTilt1R1C();
void LoadLatTilt1R2C();
void LoadLatTilt1R3C();
void LoadLatTilt1R4C();
void LoadLatTilt2R1C();
void LoadLatTilt2R2C();
void LoadLatTilt2R3C();
void LoadLatTilt2R4C();

using LoadProcedure = void (*)();

// Procedure number 8 x installation + combination (installation 0 horizontal,
// 1 vertical, 2 wall, 3 longitudinally tilted, 4 laterally tilted;
// combination 0..3 one rail with 1..4 carriages, 4..7 two rails with 1..4
// each). Null for an index outside those ranges.
LoadProcedure FindLoadProcedure(int installation, int combination);
