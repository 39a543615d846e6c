// Benchmarks that print figures.
int main() { return 0; }
