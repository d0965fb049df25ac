#!/usr/bin/perl
# Reads a GEDCOM 5.5.1 file with the Gedcom module of CPAN (Debian: libgedcom-perl), which owes
# nothing to the program, validates it against that module's 5.5.1 grammar, and prints as JSON:
#   {"valid": true|false, "warnings": [...], "records": [TREE...]}
# where each TREE is {"tag", "xref", "value", "items": [TREE...]}, "value" being the value with
# its CONT and CONC lines joined by the module, and CONT and CONC left out of "items".
use strict;
use warnings;
use Gedcom;
use JSON::PP;

my $file = shift or die "usage: read_gedcom.pl FILE\n";
my @warnings;
local $SIG{__WARN__} = sub { push @warnings, $_[0] };

my $ged = Gedcom->new(grammar_version => "5.5.1", gedcom_file => $file, read_only => 0)
    or die "the module could not read $file\n";
my $valid = $ged->validate ? JSON::PP::true : JSON::PP::false;

sub tree {
    my ($item) = @_;
    my @items = grep { $_->{tag} ne "CONT" && $_->{tag} ne "CONC" } @{ $item->_items };
    my $value = $item->full_value;
    # The module hands the lines over as it read them: UTF-8 octets, not yet characters.
    utf8::decode($value) if defined $value && !utf8::is_utf8($value);
    return {
        tag   => $item->{tag},
        xref  => $item->{xref},
        value => $value,
        items => [ map { tree($_) } @items ],
    };
}

my @records = map { tree($_) } @{ $ged->{record}->_items };
print JSON::PP->new->canonical->utf8->encode(
    { valid => $valid, warnings => \@warnings, records => \@records });
