#pragma once
const char* Word();
