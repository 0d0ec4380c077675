t () 
{ 
    ( unset DISPLAY;
    /work/audit-run/bin/skprint --text /work/audit-run/t/all.sk | sed -n 61,64p | tr '\n' ' ' );
    echo
}
