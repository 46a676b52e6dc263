// The body of the layer checks: each links one layer whole against the layers below it, so an
// unresolved symbol here means that layer calls into one above it.
int main()
{
    return 0;
}
