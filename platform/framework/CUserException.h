#pragma once
// Thrown by CDataExchange::Fail after the operator has been told what is wrong; UpdateData catches
// it and returns FALSE. It never leaves the framework.

#include <exception>

class CUserException : public std::exception {
public:
    const char* what() const noexcept override { return "data exchange failed (the operator was told)"; }
};
