#pragma once
// Random numbers and trigonometry in degrees.
int Rand(int minValue, int maxValue);  // both ends included
float RndFloat();                      // [0, 1)
void SeedRnd(int seed);
double Sin(double degrees);
double Cos(double degrees);
double ATan2(double y, double x);  // degrees
