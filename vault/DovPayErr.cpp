#include "vault/DovPayErr.h"

DovPayErr::DovPayErr(QObject *parent) : QObject(parent) {}

DovPayErr::~DovPayErr() = default;
