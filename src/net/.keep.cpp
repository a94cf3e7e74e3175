// Keeps the link library non-empty until its first unit lands.
